// Decoding of skin images from bytes in memory: Windows BMP, PNG and JPEG.
//
// Every decoder treats its input as hostile: malformed, truncated or oversized
// data gives a result with an error text and an empty bitmap, never a crash
// or a read outside the given bytes. Declared sizes are checked against
// Bitmap::IsAcceptableSize and against the data before anything is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/pixels/Bitmap.h"

namespace wakespan {

struct DecodedImage {
  Bitmap Image;       // empty on failure
  std::string Error;  // empty on success

  bool Ok() const { return Error.empty(); }
};

enum class ImageKind { Unknown, Bmp, Png, Jpeg };

// The kind named by the data's signature ("BM", the PNG signature, FF D8 FF).
ImageKind DetectImageKind(const uint8_t* data, size_t size);

// Windows BMP with 1, 4 or 8 bits per pixel (palettised), 24 or 32 bits,
// bottom-up or top-down, uncompressed (32-bit may name the standard
// BGRA bit fields). 1 to 24 bits give a 24-bit bitmap; 32 bits give a 32-bit
// bitmap with the fourth byte of every pixel kept as alpha.
DecodedImage DecodeBmp(const uint8_t* data, size_t size);

// PNG of any colour type and depth, interlaced or not, as a 32-bit bitmap
// with straight (not premultiplied) alpha. Every fully transparent pure-white
// pixel (white with alpha 0) is cleared to 0, so it adds no light when the
// image is blended.
DecodedImage DecodePng(const uint8_t* data, size_t size);

// Baseline or progressive JPEG (grey, YCbCr, RGB or CMYK) as a 24-bit bitmap.
DecodedImage DecodeJpeg(const uint8_t* data, size_t size);

// Picks the decoder by DetectImageKind.
DecodedImage DecodeImage(const uint8_t* data, size_t size);

}  // namespace wakespan
