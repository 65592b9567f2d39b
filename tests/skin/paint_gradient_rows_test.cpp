// Vertical gradients copy a row whose colour repeats from the row above;
// every row must still be the colour a one-column painting gives it, on
// random segments, colours (slow ramps repeat rows), extra heights,
// clipping at the bitmap edges and both pixel formats.
#include <gtest/gtest.h>

#include <random>

#include "skin/paint/sGradient.h"

namespace wakespan {
namespace {

int Between(std::mt19937& rng, int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); }

TEST(GradientRows, RepeatedRowsMatchAOneColumnPainting) {
  std::mt19937 rng(29);
  for (int round = 0; round < 300; ++round) {
    TsGradArray G;
    const int segments = Between(rng, 1, 4);
    for (int i = 0; i < segments; ++i) {
      TsGradPie p;
      const uint32_t base = rng() & 0xFFFFFF;
      // Slow ramps give runs of equal rows, fast ones a new colour per row.
      p.Color1 = TColor(base);
      p.Color2 = TColor(rng() % 2 ? base ^ (rng() & 0x030303) : rng() & 0xFFFFFF);
      p.Percent = uint8_t(Between(rng, 0, 100));
      p.Mode1 = 0;
      G.push_back(p);
    }
    const PixelFormat format = rng() % 2 ? PixelFormat::Bgr24 : PixelFormat::Bgra32;
    Bitmap wide(Between(rng, 1, 40), Between(rng, 1, 80), format);
    for (int y = 0; y < wide.Height(); ++y)
      for (int x = 0; x < wide.Width(); ++x) wide.SetPixel(x, y, 0x00ABCDEF);
    // Rows no segment reaches keep what was there, in both paintings.
    Bitmap column(1, wide.Height(), format);
    for (int y = 0; y < wide.Height(); ++y) column.SetPixel(0, y, 0x00ABCDEF);
    const int left = Between(rng, -3, wide.Width() - 1), top = Between(rng, -5, wide.Height());
    const Rect R{left, top, left + Between(rng, 1, 45), top + Between(rng, 1, 90)};
    const int extra = Between(rng, 0, 20);
    PaintGradient(wide, R, G, extra);
    PaintGradient(column, Rect{0, R.Top, 1, R.Bottom}, G, extra);
    for (int y = 0; y < wide.Height(); ++y) {
      for (int x = 0; x < wide.Width(); ++x) {
        const bool inside = x >= R.Left && x < R.Right && y >= R.Top && y < R.Bottom;
        ASSERT_EQ(wide.Pixel(x, y), inside && x >= 0 ? column.Pixel(0, y) : 0x00ABCDEFu)
            << "round " << round << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace wakespan
