// The image decoders' fuzz contract: arbitrary bytes give an image or an
// error, never a crash or a read outside the data, and a decoded image has
// the size it claims (its corner pixels are read under the address sanitizer).
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/decode/ImageDecode.h"

inline int FuzzImageDecoder(wakespan::DecodedImage (*decode)(const uint8_t*, size_t), const uint8_t* data,
                            size_t size) {
  const wakespan::DecodedImage img = decode(data, size);
  if (img.Ok() == img.Image.IsEmpty()) __builtin_trap();
  if (!img.Image.IsEmpty()) {
    const wakespan::Bitmap& b = img.Image;
    volatile uint32_t corners = b.Pixel(0, 0) ^ b.Pixel(b.Width() - 1, b.Height() - 1);
    (void)corners;
  }
  return 0;
}
