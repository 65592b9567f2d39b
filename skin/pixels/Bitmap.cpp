#include "skin/pixels/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "skin/pixels/PixelOps.h"

namespace wakespan {

bool Bitmap::IsAcceptableSize(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxDimension && height <= kMaxDimension &&
         width * height <= kMaxPixels;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : Bitmap(width, height, format, true) {}

Bitmap Bitmap::ForOverwrite(int width, int height, PixelFormat format) {
  return Bitmap(width, height, format, false);
}

Bitmap::Bitmap(int width, int height, PixelFormat format, bool zeroPixels) : format_(format) {
  if (!IsAcceptableSize(width, height)) return;
  width_ = width;
  height_ = height;
  stride_ = PaddedRowBytes(width, static_cast<int>(format));
  const size_t size = static_cast<size_t>(stride_) * static_cast<size_t>(height);
  if (zeroPixels) {
    pixels_.assign(size, 0);
    return;
  }
  pixels_.resize(size);
  const size_t used = static_cast<size_t>(width) * BytesPerPixel();
  if (used < static_cast<size_t>(stride_))
    for (int y = 0; y < height; ++y) std::memset(Row(y) + used, 0, static_cast<size_t>(stride_) - used);
}

uint32_t Bitmap::Pixel(int x, int y) const {
  const uint8_t* p = Row(y) + x * BytesPerPixel();
  return format_ == PixelFormat::Bgra32 ? ReadColor32(p) : ReadColor24(p);
}

void Bitmap::SetPixel(int x, int y, uint32_t color) {
  uint8_t* p = Row(y) + x * BytesPerPixel();
  if (format_ == PixelFormat::Bgra32) {
    WriteColor32(p, color);
  } else {
    WriteColor24(p, color);
  }
}

Bitmap Bitmap::ConvertedTo(PixelFormat format) const {
  if (IsEmpty()) return Bitmap();
  if (format == format_) return *this;
  Bitmap out(width_, height_, format);
  for (int y = 0; y < height_; ++y) {
    const uint8_t* s = Row(y);
    uint8_t* d = out.Row(y);
    if (format == PixelFormat::Bgra32) {
      for (int x = 0; x < width_; ++x, s += 3, d += 4) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = 255;
      }
    } else {
      for (int x = 0; x < width_; ++x, s += 4, d += 3) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
      }
    }
  }
  return out;
}

bool operator==(const Bitmap& a, const Bitmap& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_ || a.format_ != b.format_) return false;
  const size_t used = static_cast<size_t>(a.width_) * a.BytesPerPixel();
  for (int y = 0; y < a.height_; ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), used) != 0) return false;
  }
  return true;
}

}  // namespace wakespan
