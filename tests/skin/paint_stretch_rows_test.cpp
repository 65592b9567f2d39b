// The host stretch against a plain model of its area averaging, on random
// sizes where one axis or both keep their length (the shortcuts of equal
// lengths), rows of one colour, clipping at the bitmap edges and both
// pixel formats.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {
namespace {

// Weights of one axis in 2^14 fixed point: each source pixel's overlap with
// the destination pixel, the rounding remainder added to the first largest.
struct ModelTaps {
  int first;
  std::vector<uint32_t> weights;
};

ModelTaps ModelAxis(int n, int m, int d) {
  ModelTaps t{int(uint32_t(d) * n / m), {}};
  const uint32_t from = uint32_t(d) * n, to = from + n;
  uint32_t total = 0;
  size_t largest = 0;
  for (uint32_t i = uint32_t(t.first); i * m < to; ++i) {
    const uint32_t lo = std::max(from, i * m), hi = std::min(to, (i + 1) * m);
    t.weights.push_back((hi - lo) * (1u << 14) / n);
    if (t.weights.back() > t.weights[largest]) largest = t.weights.size() - 1;
    total += t.weights.back();
  }
  t.weights[largest] += (1u << 14) - total;
  return t;
}

// Channel c of destination pixel (x, y) of a stretch of Sr (inside src) to
// a dw x dh rectangle: columns to 2^8 fixed point, then rows to a byte.
uint8_t ModelChannel(const Bitmap& src, const Rect& Sr, int dw, int dh, int x, int y, int c) {
  const ModelTaps cols = ModelAxis(Sr.Width(), dw, x), rows = ModelAxis(Sr.Height(), dh, y);
  uint32_t sum = 0;
  for (size_t j = 0; j < rows.weights.size(); ++j) {
    const uint8_t* s = src.Row(Sr.Top + rows.first + int(j)) + (Sr.Left + cols.first) * src.BytesPerPixel();
    uint32_t across = 0;
    for (size_t i = 0; i < cols.weights.size(); ++i) across += cols.weights[i] * s[i * src.BytesPerPixel() + c];
    sum += rows.weights[j] * ((across + 32) >> 6);
  }
  return static_cast<uint8_t>((sum + (1u << 21)) >> 22);
}

int Between(std::mt19937& rng, int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); }

TEST(HostStretchRows, MatchesTheAreaModelOnEqualAndChangedAxes) {
  std::mt19937 rng(23);
  HostPaintPlatform host;
  for (int round = 0; round < 300; ++round) {
    const PixelFormat sf = rng() % 2 ? PixelFormat::Bgr24 : PixelFormat::Bgra32;
    const PixelFormat df = rng() % 2 ? PixelFormat::Bgr24 : PixelFormat::Bgra32;
    Bitmap src(Between(rng, 1, 20), Between(rng, 1, 20), sf);
    const int bands = Between(rng, 0, 2);  // 0: noise, 1: rows of one colour, 2: one colour
    for (int y = 0; y < src.Height(); ++y)
      for (int x = 0; x < src.Width(); ++x)
        src.SetPixel(x, y, bands == 0 ? rng() & 0xFFFFFF : bands == 1 ? (y * 0x10305) & 0xFFFFFF : 0x405060);
    const int sx = Between(rng, 0, src.Width() - 1), sy = Between(rng, 0, src.Height() - 1);
    const Rect Sr{sx, sy, Between(rng, sx + 1, src.Width()), Between(rng, sy + 1, src.Height())};
    const int shape = Between(rng, 0, 3);  // which axes keep their length
    const int dw = shape & 1 ? Sr.Width() : Between(rng, 1, 40);
    const int dh = shape & 2 ? Sr.Height() : Between(rng, 1, 40);
    Bitmap dst(Between(rng, 1, 40), Between(rng, 1, 40), df);
    for (int y = 0; y < dst.Height(); ++y)
      for (int x = 0; x < dst.Width(); ++x) dst.SetPixel(x, y, 0x123456);
    const int dx = Between(rng, -10, dst.Width()), dy = Between(rng, -10, dst.Height());
    host.StretchHalftone(dst, Rect{dx, dy, dx + dw, dy + dh}, src, Sr);
    for (int y = 0; y < dst.Height(); ++y) {
      for (int x = 0; x < dst.Width(); ++x) {
        const uint8_t* p = dst.Row(y) + x * dst.BytesPerPixel();
        if (x < dx || y < dy || x >= dx + dw || y >= dy + dh) {
          ASSERT_EQ(dst.Pixel(x, y) & 0xFFFFFF, 0x123456u) << "round " << round;
          continue;
        }
        for (int c = 0; c < 3; ++c)
          ASSERT_EQ(p[c], ModelChannel(src, Sr, dw, dh, x - dx, y - dy, c))
              << "round " << round << " at " << x << "," << y << " channel " << c;
        if (df == PixelFormat::Bgra32) {
          ASSERT_EQ(p[3], 255);
        }
      }
    }
  }
}

}  // namespace
}  // namespace wakespan
