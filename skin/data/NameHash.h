// A fast hash of short names (section and key names of a skin), eight bytes
// at a time. ASCII letters hash alike in either case, so one hash serves
// indexes that ignore letter case and indexes that do not (their equality
// test decides; folding only adds rare collisions there).
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace wakespan {

namespace name_hash {

constexpr uint64_t kOnes = 0x0101010101010101ull;

// The eight bytes with every ASCII lower-case letter made upper case and
// every other byte unchanged. Each byte's low seven bits are compared with
// the letter range by adding offsets that set the byte's high bit; the
// sums stay below 0x100, so no carry reaches the next byte.
inline uint64_t UpperAscii8(uint64_t bytes) {
  const uint64_t low7 = bytes & (0x7F * kOnes);
  const uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
  const uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
  const uint64_t lowerCase = atLeastA & ~aboveZ & ~bytes & (0x80 * kOnes);
  return bytes ^ (lowerCase >> 2);  // clears bit 5 (0x20) of those bytes
}

template <typename Word>
Word Load(const char* p) {
  Word w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

inline uint64_t Mix(uint64_t h, uint64_t word) {
  h = (h ^ word) * 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

}  // namespace name_hash

// Hash of `name` with ASCII letter case ignored; `seed` chains hashes of
// several names into one.
inline uint64_t HashName(std::string_view name, uint64_t seed = 0) {
  using namespace name_hash;
  const char* p = name.data();
  size_t n = name.size();
  uint64_t h = Mix(seed, n);
  for (; n > 8; p += 8, n -= 8) h = Mix(h, UpperAscii8(Load<uint64_t>(p)));
  // The last one to eight bytes: two four-byte reads that may overlap, or
  // for up to three bytes the first, middle and last.
  uint64_t tail = 0;
  if (n >= 4)
    tail = Load<uint32_t>(p) | uint64_t(Load<uint32_t>(p + n - 4)) << 32;
  else if (n > 0)
    tail = uint64_t(uint8_t(p[0])) | uint64_t(uint8_t(p[n / 2])) << 8 | uint64_t(uint8_t(p[n - 1])) << 16;
  return Mix(h, UpperAscii8(tail));
}

}  // namespace wakespan
