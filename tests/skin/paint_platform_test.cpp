// The host platform: area-averaging stretch, including rows of one colour
// beside rows of several, and the triangle fill's vertex colours.
#include <gtest/gtest.h>

#include "pixel_test_helpers.h"
#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {
namespace {

TEST(HostStretch, AveragesTheAreaEachTargetPixelCovers) {
  HostPaintPlatform host;
  Bitmap src(2, 2, PixelFormat::Bgr24);
  src.SetPixel(0, 0, Gray(100));
  src.SetPixel(1, 0, Gray(100));  // a row of one colour
  src.SetPixel(0, 1, Gray(0));
  src.SetPixel(1, 1, Gray(255));
  Bitmap wide(3, 2, PixelFormat::Bgra32);
  host.StretchHalftone(wide, Rect{0, 0, 3, 2}, src, Rect{0, 0, 2, 2});
  for (int x = 0; x < 3; ++x) EXPECT_EQ(wide.Pixel(x, 0), 0xFF000000u | Gray(100)) << x;
  // The middle pixel covers half of each source pixel: 127.5 rounds up.
  EXPECT_EQ(wide.Pixel(0, 1), 0xFF000000u | Gray(0));
  EXPECT_EQ(wide.Pixel(1, 1), 0xFF000000u | Gray(128));
  EXPECT_EQ(wide.Pixel(2, 1), 0xFF000000u | Gray(255));
  // Shrinking the two rows into one averages them too.
  Bitmap one(1, 1, PixelFormat::Bgr24);
  host.StretchHalftone(one, Rect{0, 0, 1, 1}, src, Rect{0, 0, 2, 2});
  EXPECT_EQ(one.Pixel(0, 0), Gray(114)) << "(100 + 100 + 0 + 255) / 4 = 113.75";
  // Only the part inside the destination is written; source rectangles
  // are cut to the source.
  Bitmap clipped = Filled(2, 2, PixelFormat::Bgr24, 7);
  host.StretchHalftone(clipped, Rect{1, 1, 5, 5}, src, Rect{-3, -3, 9, 9});
  EXPECT_EQ(clipped.Pixel(0, 0), 7u);
  EXPECT_EQ(clipped.Pixel(1, 1), Gray(100));
}

TEST(HostTriangles, VerticesKeepTheirColours) {
  HostPaintPlatform host;
  Bitmap b(10, 10, PixelFormat::Bgr24);
  const GradientVertex v[3] = {{0, 0, 0xFF00, 0, 0, 0}, {10, 0, 0, 0xFF00, 0, 0}, {0, 10, 0, 0, 0xFF00, 0}};
  const GradientTriangle t{0, 1, 2};
  ASSERT_TRUE(host.FillTriangles(b, v, 3, &t, 1));
  EXPECT_GT(b.Pixel(0, 0) & 0xFF, 0xE0u);
  EXPECT_EQ(b.Pixel(9, 9), 0u) << "outside the triangle";
  const GradientTriangle bad{0, 1, 7};
  EXPECT_TRUE(host.FillTriangles(b, v, 3, &bad, 1)) << "a triangle naming a missing vertex is skipped";
}

}  // namespace
}  // namespace wakespan
