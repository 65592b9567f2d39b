// Saturation and hue transforms of colours and of skin bitmaps.
#include <gtest/gtest.h>

#include "pixel_test_helpers.h"
#include "skin/pixels/sColorShift.h"

namespace wakespan {
namespace {

TEST(ScaleSaturation, MovesChannelsTowardsOrAwayFromTheMean) {
  const uint32_t c = 0x0064C8;  // red 200, green 100, blue 0: mean 100
  EXPECT_EQ(ScaleSaturation(c, 0), c);
  EXPECT_EQ(ScaleSaturation(c, 100), Gray(100));
  EXPECT_EQ(ScaleSaturation(c, 50), 0x326496u);     // 150, 100, 50
  EXPECT_EQ(ScaleSaturation(c, -50), 0x0064FAu);    // 250, 100, -50 -> 0
  EXPECT_EQ(ScaleSaturation(0x7F0064C8, 100), 0x7F000000 | Gray(100)) << "top byte kept";
  // Mean 1/3: red 1 + 50 * (1/3 - 1) / 100 = 0.6667 -> 1; others 1/6 -> 0.
  EXPECT_EQ(ScaleSaturation(0x000001, 50), 0x000001u);
  // Every colour becomes grey at 100.
  for (const uint32_t any : {0x123456u, 0xFF00FFu, 0x00FE01u}) {
    const uint32_t g = ScaleSaturation(any, 100);
    EXPECT_EQ(g & 0xFF, (g >> 8) & 0xFF);
    EXPECT_EQ(g & 0xFF, g >> 16);
  }
}

TEST(ScaleSaturation, AmountFromTheManagerSetting) {
  EXPECT_EQ(SaturationAmount(0), 0);
  EXPECT_EQ(SaturationAmount(30), -30);
  EXPECT_EQ(SaturationAmount(-100), 100);
  EXPECT_EQ(SaturationAmount(150), -49);  // the remainder keeps the dividend's sign
  EXPECT_EQ(SaturationAmount(-150), 49);
  EXPECT_EQ(SaturationAmount(-2147483647 - 1), 2147483648LL % 101);
}

TEST(RotateHue, PrimariesAndKnownColours) {
  EXPECT_EQ(RotateHue(120, 0x0000FF), 0x00FF00u);   // red -> green
  EXPECT_EQ(RotateHue(240, 0x0000FF), 0xFF0000u);   // red -> blue
  EXPECT_EQ(RotateHue(-120, 0x0000FF), 0xFF0000u);  // negative deltas wrap
  EXPECT_EQ(RotateHue(60, 0x0000FF), 0x00FFFFu);    // red -> yellow
  // red 200, green 100, blue 50: V 200, S 0.75, H 20.
  EXPECT_EQ(RotateHue(0, 0x3264C8), 0x3264C8u);
  EXPECT_EQ(RotateHue(360, 0x3264C8), 0x3264C8u);
  // H' 200: sector 3, f 1/3: (p, q, V) = (50, 150, 200).
  EXPECT_EQ(RotateHue(180, 0x3264C8), 0xC89632u);
  EXPECT_EQ(RotateHue(180, 0xAB3264C8), 0xABC89632u) << "top byte kept";
}

TEST(RotateHue, GreyAndBlackNeverChange) {
  for (const uint32_t grey : {0u, Gray(1), Gray(128), Gray(255)}) {
    EXPECT_EQ(RotateHue(77, grey), grey);
  }
}

TEST(ShiftBitmap, SkipsKeyAndGreyPixelsAndKeepsAlpha) {
  Bitmap b(3, 1, PixelFormat::Bgra32);
  b.SetPixel(0, 0, 0x40FF00FF);  // key colour (alpha is not compared)
  b.SetPixel(1, 0, 0x41808080);  // grey
  b.SetPixel(2, 0, 0x420000FF);  // red
  Bitmap hue = b;
  RotateBitmapHue(hue, 120, 0xFF00FF);
  EXPECT_EQ(hue.Pixel(0, 0), 0x40FF00FFu);
  EXPECT_EQ(hue.Pixel(1, 0), 0x41808080u);
  EXPECT_EQ(hue.Pixel(2, 0), 0x4200FF00u);
  Bitmap sat = b;
  ScaleBitmapSaturation(sat, 100, 0xFF00FF);
  EXPECT_EQ(sat.Pixel(0, 0), 0x40FF00FFu);
  EXPECT_EQ(sat.Pixel(2, 0), 0x42555555u);  // 255 / 3 = 85
  Bitmap b24 = Filled(1, 1, PixelFormat::Bgr24, 0x0000FF);
  RotateBitmapHue(b24, 240, 0xFF00FF);
  EXPECT_EQ(b24.Pixel(0, 0), 0xFF0000u);
}

}  // namespace
}  // namespace wakespan
