// Filling pixel rows with one pixel.
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
