#include "skin/pixels/PixelKernels.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define WAKESPAN_X86 1
#endif

namespace wakespan {
namespace kernels {
namespace {

constexpr int kHalf = 1 << 14;

inline uint8_t AlphaByte(int d, int s, int keep, int take) {
  return static_cast<uint8_t>((d * keep + s * take + 127) >> 8);
}

void AlphaPlain(uint8_t* d, const uint8_t* s, int count, uint8_t alpha) {
  for (int i = 0; i < count; ++i) d[i] = AlphaByte(d[i], s[i], alpha, 255 - alpha);
}

void MaskPlain(const uint8_t* d, const uint8_t* s, const uint8_t* m, uint8_t* out, int count,
               uint8_t lift) {
  for (int i = 0; i < count; ++i) {
    const int mask = m[i] + lift < 255 ? m[i] + lift : 255;
    out[i] = static_cast<uint8_t>((d[i] * mask + s[i] * (256 - mask)) >> 8);
  }
}

inline uint8_t PercentByte(int s, int d, int weight) {
  const int product = (s - d) * weight;
  int r = s - ((product + kHalf) >> 15);
  if ((product & 0x7FFF) == kHalf) r += r & 1;
  return static_cast<uint8_t>(r);
}

void PercentPlain(const uint8_t* s, const uint8_t* d, uint8_t* out, int count, int weight,
                  bool keepFourth) {
  for (int i = 0; i < count; ++i)
    out[i] = keepFourth && (i & 3) == 3 ? d[i] : PercentByte(s[i], d[i], weight);
}

// 96 bytes hold whole pixels of both sizes (32 of 3 bytes, 24 of 4); rows
// are filled with copies of such a chunk, the last one ending at the row's
// end (it may overlap the one before: every copy starts on a pixel).
constexpr size_t kChunk = 96;

void FillPixelsPlain(uint8_t* dst, uint32_t pixel, int bytesPerPixel, int count) {
  const size_t bytes = static_cast<size_t>(bytesPerPixel), total = bytes * static_cast<size_t>(count);
  uint8_t chunk[kChunk];
  for (size_t i = 0; i < kChunk; ++i) chunk[i] = static_cast<uint8_t>(pixel >> (8 * (i % bytes)));
  if (total < kChunk) return static_cast<void>(std::memcpy(dst, chunk, total));
  size_t done = 0;
  for (; done + kChunk <= total; done += kChunk) std::memcpy(dst + done, chunk, kChunk);
  if (done < total) std::memcpy(dst + total - kChunk, chunk, kChunk);
}

#if WAKESPAN_X86
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

__attribute__((target("avx2"))) inline void Put96(uint8_t* at, __m256i a, __m256i b, __m256i c) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), a);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(at + 32), b);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(at + 64), c);
}

// Shuffle indexes picking, from a register that holds a 3-byte pixel in
// every 4-byte group, the bytes of a row of such pixels whose low and high
// lanes start `lo` and `hi` bytes into a pixel.
struct Phase24 {
  alignas(32) uint8_t index[32] = {};
  constexpr Phase24(int lo, int hi) {
    for (int j = 0; j < 16; ++j) index[j] = static_cast<uint8_t>((lo + j) % 3);
    for (int j = 0; j < 16; ++j) index[16 + j] = static_cast<uint8_t>((hi + j) % 3);
  }
};
// The chunk's byte offsets 0, 16 | 32, 48 | 64, 80, modulo 3.
constexpr Phase24 kChunkPhases[3] = {{0, 1}, {2, 0}, {1, 2}};

__attribute__((target("avx2"))) inline __m256i Shuffled(__m256i broadcast, const Phase24& phase) {
  return _mm256_shuffle_epi8(broadcast, _mm256_load_si256(reinterpret_cast<const __m256i*>(phase.index)));
}

__attribute__((target("avx2"))) void FillPixelsAvx2(uint8_t* dst, uint32_t pixel, int bytesPerPixel,
                                                    int count) {
  const size_t total = static_cast<size_t>(bytesPerPixel) * static_cast<size_t>(count);
  if (total < kChunk) return FillPixelsPlain(dst, pixel, bytesPerPixel, count);
  const __m256i broadcast = _mm256_set1_epi32(static_cast<int>(pixel));
  __m256i a = broadcast, b = broadcast, c = broadcast;
  if (bytesPerPixel == 3) {
    a = Shuffled(broadcast, kChunkPhases[0]);
    b = Shuffled(broadcast, kChunkPhases[1]);
    c = Shuffled(broadcast, kChunkPhases[2]);
  }
  size_t done = 0;
  for (; done + kChunk <= total; done += kChunk) Put96(dst + done, a, b, c);
  if (done < total) Put96(dst + total - kChunk, a, b, c);
}

__attribute__((target("avx2"))) inline __m256i LoadTwo(const uint8_t* p) {
  // Bytes 0..15 in the low lane, bytes 12..27 in the high one: each lane
  // then holds four whole 3-byte pixels in its first 12 bytes.
  const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(lo), hi, 1);
}

__attribute__((target("avx2"))) void Select24Avx2(const uint8_t* k, const uint8_t* v, uint8_t* d,
                                                  int count, uint32_t key) {
  const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,
                                          0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m256i gather = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                          0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  const __m256i keys = _mm256_set1_epi32(static_cast<int>(key & 0xFFFFFF));
  const __m256i ones = _mm256_set1_epi32(-1);
  int i = 0;
  // 8 pixels a step; the loads reach 4 bytes past them.
  for (; i + 10 <= count; i += 8) {
    const int at = i * 3;
    const __m256i isKey = _mm256_cmpeq_epi32(_mm256_shuffle_epi8(LoadTwo(k + at), spread), keys);
    // Bytes to take from `values` (12 per lane; the last 4 are not stored).
    const __m256i take = _mm256_shuffle_epi8(_mm256_xor_si256(isKey, ones), gather);
    const __m256i out = _mm256_blendv_epi8(LoadTwo(d + at), LoadTwo(v + at), take);
    // Store exactly the 24 bytes: lane 0's 12 bytes with the first 4 of lane
    // 1, then lane 1's other 8. Nothing stored is read again by the next
    // step, which keeps the loads clear of store-forwarding stalls.
    const __m128i lo = _mm256_castsi256_si128(out);
    const __m128i hi = _mm256_extracti128_si256(out, 1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + at), _mm_blend_epi32(lo, _mm_slli_si128(hi, 12), 8));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d + at + 16), _mm_srli_si128(hi, 4));
  }
  SelectUnlessKeyPlain(3, k + i * 3, v + i * 3, d + i * 3, count - i, key);
}

__attribute__((target("avx2"))) void Select32Avx2(const uint8_t* k, const uint8_t* v, uint8_t* d,
                                                  int count, uint32_t key) {
  const __m256i keys = _mm256_set1_epi32(static_cast<int>(key));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const auto* kp = reinterpret_cast<const __m256i*>(k + i * 4);
    auto* dp = reinterpret_cast<__m256i*>(d + i * 4);
    const __m256i isKey = _mm256_cmpeq_epi32(_mm256_loadu_si256(kp), keys);
    const __m256i values = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + i * 4));
    _mm256_storeu_si256(dp, _mm256_blendv_epi8(values, _mm256_loadu_si256(dp), isKey));
  }
  SelectUnlessKeyPlain(4, k + i * 4, v + i * 4, d + i * 4, count - i, key);
}

// With pixel bytes biased to signed (x - 128), one multiply-add gives
// alpha * (d - 128) + (255 - alpha) * (s - 128) = d * alpha + s * (255 - alpha) - 32640
// without saturation; adding 32767 (wrapping, read as unsigned) restores
// the sum plus 127.
__attribute__((target("avx2"))) void AlphaAvx2(uint8_t* d, const uint8_t* s, int count,
                                               uint8_t alpha) {
  const __m256i bias = _mm256_set1_epi8(static_cast<char>(0x80));
  const __m256i weights = _mm256_set1_epi16(static_cast<short>(alpha | (255 - alpha) << 8));
  const __m256i offset = _mm256_set1_epi16(32767);
  int i = 0;
  for (; i + 32 <= count; i += 32) {
    auto* dp = reinterpret_cast<__m256i*>(d + i);
    const __m256i dv = _mm256_xor_si256(_mm256_loadu_si256(dp), bias);
    const __m256i sv =
        _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)), bias);
    const __m256i lo = _mm256_maddubs_epi16(weights, _mm256_unpacklo_epi8(dv, sv));
    const __m256i hi = _mm256_maddubs_epi16(weights, _mm256_unpackhi_epi8(dv, sv));
    const __m256i rlo = _mm256_srli_epi16(_mm256_add_epi16(lo, offset), 8);
    const __m256i rhi = _mm256_srli_epi16(_mm256_add_epi16(hi, offset), 8);
    _mm256_storeu_si256(dp, _mm256_packus_epi16(rlo, rhi));
  }
  AlphaPlain(d + i, s + i, count - i, alpha);
}

// (d * m + s * (256 - m)) >> 8 is s + floor((d - s) * m / 256): with
// (d - s) << 7 and m << 1 both within 16 bits, mulhi's floor of their
// product over 2^16 gives it in one multiply. The saturating add gives
// min(mask + lift, 255).
__attribute__((target("avx2"))) inline __m256i MaskWords(__m256i d, __m256i s, __m256i m) {
  const __m256i diff = _mm256_slli_epi16(_mm256_sub_epi16(d, s), 7);
  return _mm256_add_epi16(s, _mm256_mulhi_epi16(diff, _mm256_slli_epi16(m, 1)));
}

__attribute__((target("avx2"))) void MaskAvx2(const uint8_t* d, const uint8_t* s, const uint8_t* m,
                                              uint8_t* out, int count, uint8_t lift) {
  const __m256i lifts = _mm256_set1_epi8(static_cast<char>(lift));
  const __m256i zero = _mm256_setzero_si256();
  int i = 0;
  for (; i + 32 <= count; i += 32) {
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i mv = _mm256_adds_epu8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(m + i)), lifts);
    // Unpacking and packing both work within 128-bit lanes, so the bytes
    // come back in their order.
    const __m256i lo = MaskWords(_mm256_unpacklo_epi8(dv, zero), _mm256_unpacklo_epi8(sv, zero),
                                 _mm256_unpacklo_epi8(mv, zero));
    const __m256i hi = MaskWords(_mm256_unpackhi_epi8(dv, zero), _mm256_unpackhi_epi8(sv, zero),
                                 _mm256_unpackhi_epi8(mv, zero));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
  }
  MaskPlain(d + i, s + i, m + i, out + i, count - i, lift);
}

// mulhrs gives (d * P + 2^14) >> 15 in one step; ties (low 15 bits of
// d * P equal to 2^14) are moved to the even result.
__attribute__((target("avx2"))) void PercentAvx2(const uint8_t* s, const uint8_t* d, uint8_t* out,
                                                 int count, int weight, bool keepFourth) {
  const __m256i w = _mm256_set1_epi16(static_cast<short>(weight));
  const __m256i low15 = _mm256_set1_epi16(0x7FFF);
  const __m256i half = _mm256_set1_epi16(kHalf);
  const __m256i one = _mm256_set1_epi16(1);
  const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  int i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i d8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m256i sw = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
    const __m256i diff = _mm256_sub_epi16(sw, _mm256_cvtepu8_epi16(d8));
    __m256i r = _mm256_sub_epi16(sw, _mm256_mulhrs_epi16(diff, w));
    const __m256i tie =
        _mm256_cmpeq_epi16(_mm256_and_si256(_mm256_mullo_epi16(diff, w), low15), half);
    r = _mm256_add_epi16(r, _mm256_and_si256(tie, _mm256_and_si256(r, one)));
    __m128i packed = _mm_packus_epi16(_mm256_castsi256_si128(r), _mm256_extracti128_si256(r, 1));
    if (keepFourth) packed = _mm_blendv_epi8(packed, d8, alphaBytes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), packed);
  }
  PercentPlain(s + i, d + i, out + i, count - i, weight, keepFourth);
}
#endif

}  // namespace

void SelectUnlessKeyRow(int bytesPerPixel, const uint8_t* keyPlane, const uint8_t* values, uint8_t* dst,
                        int count, uint32_t keyPixel) {
#if WAKESPAN_X86
  if (HasAvx2()) {
    if (bytesPerPixel == 4) return Select32Avx2(keyPlane, values, dst, count, keyPixel);
    return Select24Avx2(keyPlane, values, dst, count, keyPixel);
  }
#endif
  SelectUnlessKeyPlain(bytesPerPixel, keyPlane, values, dst, count, keyPixel);
}

void FillPixels(uint8_t* dst, uint32_t pixel, int bytesPerPixel, int count) {
  if (count <= 0) return;
#if WAKESPAN_X86
  if (HasAvx2()) return FillPixelsAvx2(dst, pixel, bytesPerPixel, count);
#endif
  FillPixelsPlain(dst, pixel, bytesPerPixel, count);
}

void AlphaBlendBytes(uint8_t* dst, const uint8_t* src, int count, uint8_t alpha) {
#if WAKESPAN_X86
  if (HasAvx2()) return AlphaAvx2(dst, src, count, alpha);
#endif
  AlphaPlain(dst, src, count, alpha);
}

void MaskBlendBytes(const uint8_t* dst, const uint8_t* src, const uint8_t* mask, uint8_t* out,
                    int count, uint8_t lift) {
#if WAKESPAN_X86
  if (HasAvx2()) return MaskAvx2(dst, src, mask, out, count, lift);
#endif
  MaskPlain(dst, src, mask, out, count, lift);
}

int MakePercentWeight(double p) {
  if (!(p > 0 && p < 1)) return -1;
  const double scaled = std::floor(p * 32768);
  for (const double candidate : {scaled, scaled + 1}) {
    const int weight = static_cast<int>(candidate);
    if (weight < 1 || weight > 32767) continue;
    bool same = true;
    for (int d = -255; d <= 255 && same; ++d) {
      // The double expression: y = p * d, then s - y rounded half to even.
      const double y = p * d;
      const double whole = std::floor(y);
      const double frac = y - whole;
      // So close to a tie that the subtraction from s may round onto it:
      // the outcome would depend on s's magnitude.
      if (frac != 0.5 && std::fabs(frac - 0.5) < 1e-9) return -1;
      const bool tie = frac == 0.5;
      const int product = d * weight;
      const int offset = (product + kHalf) >> 15;
      const bool fixedTie = (product & 0x7FFF) == kHalf;
      if (tie != fixedTie) {
        same = false;
      } else if (tie) {
        same = offset - 1 == static_cast<int>(whole);
      } else {
        same = offset == static_cast<int>(whole) + (frac > 0.5 ? 1 : 0);
      }
    }
    if (same) return weight;
  }
  return -1;
}

void PercentBlendBytes(const uint8_t* src, const uint8_t* dst, uint8_t* out, int count, int weight,
                       bool keepFourth) {
#if WAKESPAN_X86
  if (HasAvx2()) return PercentAvx2(src, dst, out, count, weight, keepFourth);
#endif
  PercentPlain(src, dst, out, count, weight, keepFourth);
}

}  // namespace kernels
}  // namespace wakespan
