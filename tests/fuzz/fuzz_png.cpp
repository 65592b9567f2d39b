// Feeds arbitrary bytes to the PNG decoder: it must return an image or an
// error, never crash or read outside the data; a decoded image must have the
// size it claims (its corner pixels are read under the address sanitizer).
#include <cstddef>
#include <cstdint>

#include "skin/ImageDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const wakespan::DecodedImage img = wakespan::DecodePng(data, size);
  if (img.Ok() == img.Image.IsEmpty()) __builtin_trap();
  if (!img.Image.IsEmpty()) {
    const wakespan::Bitmap& b = img.Image;
    volatile uint32_t corners = b.Pixel(0, 0) ^ b.Pixel(b.Width() - 1, b.Height() - 1);
    (void)corners;
  }
  return 0;
}
