#include "skin/pixels/sColorShift.h"

#include <algorithm>

#include "skin/pixels/PixelOps.h"
#include "skin/pixels/RoundHalfEven.h"

namespace wakespan {

uint32_t ScaleSaturation(uint32_t color, int amount) {
  if (amount == 0) return color;
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  const double mean = (r + g + b) / 3.0;
  const auto scale = [&](int channel) {
    return RoundToByte(channel + amount * (mean - channel) / 100);
  };
  return MakeColor(scale(r), scale(g), scale(b)) | (color & 0xFF000000);
}

int SaturationAmount(int saturation) {
  return static_cast<int>(-static_cast<long long>(saturation) % 101);
}

uint32_t RotateHue(int delta, uint32_t color) {
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  const int maxc = std::max({r, g, b});
  const int minc = std::min({r, g, b});
  if (maxc == 0 || maxc == minc) return color;
  const double range = maxc - minc;
  const double s = range / maxc;
  double h;
  if (maxc == r) {
    h = 60 * (g - b) / range;
  } else if (maxc == g) {
    h = 120 + 60 * (b - r) / range;
  } else {
    h = 240 + 60 * (r - g) / range;
  }
  if (h < 0) h += 360;
  long long hue = static_cast<long long>(RoundHalfEven(h + delta)) % 360;
  if (hue < 0) hue += 360;
  const int sector = static_cast<int>(hue / 60);
  const double f = hue / 60.0 - sector;
  const double v = maxc;
  const int p = RoundToByte(v * (1 - s));
  const int q = RoundToByte(v * (1 - f * s));
  const int t = RoundToByte(v * (1 - (1 - f) * s));
  int red, green, blue;
  switch (sector) {
    case 0: red = maxc, green = t, blue = p; break;
    case 1: red = q, green = maxc, blue = p; break;
    case 2: red = p, green = maxc, blue = t; break;
    case 3: red = p, green = q, blue = maxc; break;
    case 4: red = t, green = p, blue = maxc; break;
    default: red = maxc, green = p, blue = q; break;
  }
  return MakeColor(red, green, blue) | (color & 0xFF000000);
}

namespace {

template <typename Transform>
void TransformColouredPixels(Bitmap& bitmap, uint32_t key, Transform transform) {
  const int bytes = bitmap.BytesPerPixel();
  key &= 0xFFFFFF;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += bytes) {
      if ((p[0] == p[1] && p[1] == p[2]) || ReadColor24(p) == key) continue;
      WriteColor24(p, transform(ReadColor24(p)));
    }
  }
}

}  // namespace

void ScaleBitmapSaturation(Bitmap& bitmap, int amount, uint32_t key) {
  if (amount == 0) return;
  TransformColouredPixels(bitmap, key, [amount](uint32_t c) { return ScaleSaturation(c, amount); });
}

void RotateBitmapHue(Bitmap& bitmap, int delta, uint32_t key) {
  if (delta == 0) return;
  TransformColouredPixels(bitmap, key, [delta](uint32_t c) { return RotateHue(delta, c); });
}

}  // namespace wakespan
