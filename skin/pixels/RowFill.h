// Filling and moving pixel rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/pixels/PixelKernels.h"

namespace wakespan {

// Copies the first `bytes` of a run of `count` such pieces over the others,
// doubling the filled part each time.
inline void RepeatByDoubling(uint8_t* row, size_t bytes, size_t count) {
  const size_t total = count * bytes;
  for (size_t done = bytes; done < total;) {
    const size_t part = std::min(done, total - done);
    std::memcpy(row + done, row, part);
    done += part;
  }
}

// memmove of one row. Frame edges are a few pixels wide and hundreds of
// rows high: rows of up to 16 bytes are moved inline (two overlapping
// loads, then two stores, so overlap is safe too), not by a library call.
inline void MoveRowBytes(uint8_t* d, const uint8_t* s, size_t bytes) {
  const auto pair = [&](auto word) {
    constexpr size_t n = sizeof word;
    decltype(word) head, tail;
    std::memcpy(&head, s, n);
    std::memcpy(&tail, s + bytes - n, n);
    std::memcpy(d, &head, n);
    std::memcpy(d + bytes - n, &tail, n);
  };
  if (bytes > 16) return static_cast<void>(std::memmove(d, s, bytes));
  if (bytes >= 8) return pair(uint64_t{});
  if (bytes >= 4) return pair(uint32_t{});
  if (bytes >= 2) return pair(uint16_t{});
  if (bytes == 1) *d = *s;
}

// One pixel of 3 or 4 bytes repeated along rows, at memset speed: the
// rows are stored from the pixel's value, never copied from the row above
// or doubled within themselves (reading back what was just written runs at
// a third of the speed).
class PixelRowFill {
 public:
  static constexpr bool Fits(int bytes) { return bytes == 3 || bytes == 4; }

  // `bytes` must be a size Fits accepts.
  PixelRowFill(const uint8_t* pixel, int bytes) : bytes_(bytes) {
    for (int i = 0; i < bytes; ++i) pixel_ |= uint32_t{pixel[i]} << (8 * i);
  }
  // Another pixel, as its bytes' value from the low byte up.
  void Set(uint32_t pixel) { pixel_ = pixel; }
  void Fill(uint8_t* row, int count) const { kernels::FillPixels(row, pixel_, bytes_, count); }

 private:
  uint32_t pixel_ = 0;
  int bytes_;
};

// Copies the first pixel (`bytes` long) of a row of `count` pixels over the
// others.
inline void RepeatFirstPixel(uint8_t* row, int bytes, int count) {
  if (count <= 0 || bytes <= 0) return;
  if (PixelRowFill::Fits(bytes)) return PixelRowFill(row, bytes).Fill(row, count);
  RepeatByDoubling(row, static_cast<size_t>(bytes), static_cast<size_t>(count));
}

}  // namespace wakespan
