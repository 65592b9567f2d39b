// Small bitmaps for the pixel tests.
#pragma once

#include "skin/pixels/Bitmap.h"

namespace wakespan {

inline Bitmap Filled(int width, int height, PixelFormat format, uint32_t color) {
  Bitmap b(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, color);
  return b;
}

// A 24-bit colour with the same value in blue, green and red.
inline uint32_t Gray(uint32_t v) { return v | v << 8 | v << 16; }

}  // namespace wakespan
