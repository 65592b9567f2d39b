// Gradients: segment rows and columns, boundary rows, rounding of the
// single-precision ramps, the four-corner mode and what paints nothing.
#include <gtest/gtest.h>

#include "paint_test_helpers.h"
#include "skin/paint/sGradient.h"

namespace wakespan {
namespace {

TsGradPie Pie(uint32_t c1, uint32_t c2, int percent, int mode = 0) {
  TsGradPie p;
  p.Color1 = TColor(c1), p.Color2 = TColor(c2), p.Percent = uint8_t(percent), p.Mode1 = mode;
  return p;
}

uint32_t Red(const Bitmap& b, int x, int y) { return b.Pixel(x, y) & 0xFF; }

TEST(Gradient, VerticalSegmentsShareTheirBoundaryRowTheLaterWinning) {
  // Red 0 -> 100 over rows 0..50, then 200 -> 250 over rows 50..99.
  Bitmap b(3, 100, PixelFormat::Bgr24);
  PaintGradient(b, Rect{0, 0, 3, 100}, {Pie(0, 100, 50), Pie(200, 250, 50)});
  EXPECT_EQ(Red(b, 0, 0), 0u);
  EXPECT_EQ(Red(b, 1, 25), 50u);
  EXPECT_EQ(Red(b, 2, 49), 98u);
  EXPECT_EQ(Red(b, 0, 50), 200u) << "row 50 takes the second segment's first colour";
  EXPECT_EQ(Red(b, 0, 99), 250u);
  EXPECT_EQ(b.Pixel(0, 0) & 0xFFFF00, 0u) << "green and blue stay 0";
}

TEST(Gradient, RampsRoundToNearestEvenInSinglePrecision) {
  // 0 -> 1 over rows 0..4 steps by 0.25: 0, 0.25, 0.5, 0.75, 1 -> 0, 0, 0, 1, 1.
  Bitmap b(2, 5, PixelFormat::Bgra32);
  PaintGradient(b, Rect{0, 0, 2, 5}, {Pie(0, 1, 100)});
  const uint32_t expected[] = {0, 0, 0, 1, 1};
  for (int y = 0; y < 5; ++y) EXPECT_EQ(b.Pixel(1, y), 0xFF000000u | expected[y]) << y;
}

TEST(Gradient, MenuItemHotGradientOverTwentyTwoRows) {
  // The embedded skin's "MENUITEM" hot gradient: 50 %, 4 % (no rows at this
  // height: skipped, but painting goes on), 44 % and the flat rest.
  const TsGradArray g = ParseGradientData(
      "16777215;16182233;50;0;0;16182233;15784633;4;0;0;15784633;15784633;44;0;0;15784633;15784633;0;0;0");
  Bitmap b = Filled(150, 22, PixelFormat::Bgr24, 0x123456);
  PaintGradient(b, Rect{0, 0, 150, 22}, g);
  EXPECT_EQ(b.Pixel(0, 0), 0xFFFFFFu);
  // Rows 0..11 run white -> 0xF6EBD9 in 11 steps: row 10 is red
  // 255 - 10 * 38 / 11, green 255 - 10 * 20 / 11, blue 255 - 10 * 9 / 11, rounded.
  EXPECT_EQ(b.Pixel(149, 10), 0xF7EDDCu);
  EXPECT_EQ(b.Pixel(0, 11), 15784633u) << "the 4 % segment has no rows; the next one starts at row 11";
  EXPECT_EQ(b.Pixel(0, 20), 15784633u);
  EXPECT_EQ(b.Pixel(0, 21), 15784633u) << "every row painted";
}

TEST(Gradient, HorizontalSegmentsRoundTheirEnds) {
  // 10 columns, 25 %: ends at round(2.5) = 2 (to even); then 0 -> 0 flat.
  Bitmap b(10, 2, PixelFormat::Bgr24);
  PaintGradient(b, Rect{0, 0, 10, 2}, {Pie(0, 200, 25, 1), Pie(50, 50, 75, 1)});
  EXPECT_EQ(Red(b, 0, 1), 0u);
  EXPECT_EQ(Red(b, 1, 1), 100u);
  EXPECT_EQ(Red(b, 2, 0), 50u) << "column 2 is the boundary, the later segment wins";
  EXPECT_EQ(Red(b, 9, 1), 50u);
}

TEST(Gradient, ClippedToTheBitmapAndNothingForEmptyInputs) {
  const Bitmap untouched = Filled(4, 4, PixelFormat::Bgr24, 7);
  Bitmap b = untouched;
  PaintGradient(b, Rect{0, 0, 4, 4}, {});
  PaintGradient(b, Rect{0, 0, 4, 4}, {Pie(0, 255, 100, 3)});
  PaintGradient(b, Rect{2, 2, 2, 9}, {Pie(0, 255, 100)});
  EXPECT_EQ(b, untouched);
  PaintGradient(b, Rect{-5, 2, 90, 90}, {Pie(255, 255, 100)});
  EXPECT_EQ(Red(b, 0, 2), 255u);
  EXPECT_EQ(Red(b, 3, 3), 255u);
  EXPECT_EQ(Red(b, 0, 1), 7u);
}

class NoTriangles : public HostPaintPlatform {
 public:
  bool FillTriangles(Bitmap&, const GradientVertex*, int, const GradientTriangle*, int) override { return false; }
};

TEST(Gradient, FourCornersNeedThePlatformsTriangleFill) {
  const TsGradArray g = {Pie(0x0000FF, 0, 0, 2), Pie(0x00FF00, 0, 0), Pie(0xFF0000, 0, 0)};
  Bitmap b(20, 20, PixelFormat::Bgr24);
  PaintGradient(b, Rect{0, 0, 20, 20}, g);
  // Near the top-left corner red dominates; at the centre green; the
  // bottom corners repeat the last given colour (blue).
  EXPECT_GT(Red(b, 0, 1), 0xC0u);
  EXPECT_GT((b.Pixel(10, 10) >> 8) & 0xFF, 0xC0u);
  EXPECT_GT(b.Pixel(19, 19) >> 16, 0xC0u);
  EXPECT_GT(b.Pixel(0, 19) >> 16, 0xC0u);

  NoTriangles none;
  test::PlatformScope scope(none);
  Bitmap plain = Filled(20, 20, PixelFormat::Bgr24, 5);
  PaintGradient(plain, Rect{0, 0, 20, 20}, g);
  EXPECT_EQ(plain, Filled(20, 20, PixelFormat::Bgr24, 5));
}

}  // namespace
}  // namespace wakespan
