// The preview's text against what GDI under Wine reports for the same font
// (Tahoma, 11 pixels, from the fonts Wine installs): measured widths and
// heights, and glyphs drawn where DrawTextW draws them.
#include <gtest/gtest.h>

#include "FreeTypeText.h"

namespace wakespan {
namespace {

constexpr uint32_t kSingleLine = 0x20, kCenter = 0x1, kVCenter = 0x4, kCalcRect = 0x400, kNoPrefix = 0x800;

// The ink's bounding box: pixels that are no longer the background.
Rect Ink(const Bitmap& b, uint32_t background) {
  Rect ink{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((b.Pixel(x, y) & 0xFFFFFF) != background) {
        ink.Left = std::min(ink.Left, x), ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1), ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  return ink;
}

TEST(FreeTypeText, MeasuresAsGdiUnderWineDoes) {
  FreeTypePaintPlatform p(WAKESPAN_WINE_FONTS);
  const FontRef tahoma = p.Font(PreviewFont{});
  // GetTextExtentPoint32 and DrawTextW's DT_CALCRECT under Wine.
  EXPECT_EQ(p.MeasureText(tahoma, u"Wakespan Settings:", kSingleLine, 0).Width, 104);
  EXPECT_EQ(p.MeasureText(tahoma, u"General Settings:", kSingleLine, 0).Width, 91);
  EXPECT_EQ(p.MeasureText(tahoma, u"Shut down Windows.", kSingleLine, 0).Width, 107);
  EXPECT_EQ(p.MeasureText(tahoma, u"File", kSingleLine, 0).Height, 13);
  // Centred in a rectangle of no height, the measured line keeps only the
  // part below the rectangle's top.
  EXPECT_EQ(p.MeasureText(tahoma, u"File", kSingleLine | kVCenter | kCalcRect, 0).Height, 7);
  // Lines and prefixes.
  EXPECT_EQ(p.MeasureText(tahoma, u"a\r\nb\nc", 0, 0).Height, 39);
  EXPECT_EQ(p.MeasureText(tahoma, u"&File", kSingleLine, 0).Width, p.MeasureText(tahoma, u"File", kSingleLine, 0).Width);
  EXPECT_GT(p.MeasureText(tahoma, u"&File", kSingleLine | kNoPrefix, 0).Width,
            p.MeasureText(tahoma, u"File", kSingleLine, 0).Width);
}

TEST(FreeTypeText, DrawsTheEmbeddedBitmapsWhereDrawTextPutsThem) {
  FreeTypePaintPlatform p(WAKESPAN_WINE_FONTS);
  const FontRef tahoma = p.Font(PreviewFont{});
  Bitmap b(140, 20, PixelFormat::Bgr24);
  p.DrawText(b, tahoma, false, u"Wakespan Settings:", Rect{10, 0, 140, 20}, kSingleLine, 0xFFFFFF);
  // The glyphs cover 94 pixels of the 104 measured, from the pen, with the
  // "g" reaching two rows below the baseline at 11.
  const Rect ink = Ink(b, 0);
  EXPECT_EQ(ink.Left, 10);
  EXPECT_EQ(ink.Width(), 94);
  EXPECT_EQ(ink.Bottom, 13);

  // Centred by the measured width, and clipped to the rectangle.
  Bitmap c(140, 20, PixelFormat::Bgr24);
  p.DrawText(c, tahoma, false, u"File", Rect{0, 0, 31, 19}, kSingleLine | kCenter | kVCenter, 0xFFFFFF);
  EXPECT_EQ(Ink(c, 0).Left, 6);
  Bitmap d(140, 20, PixelFormat::Bgr24);
  p.DrawText(d, tahoma, false, u"Settings", Rect{0, 0, 20, 9}, kSingleLine, 0xFFFFFF);
  EXPECT_LE(Ink(d, 0).Right, 20);
  EXPECT_LE(Ink(d, 0).Bottom, 9);
}

TEST(FreeTypeText, AFontFileThatIsMissingIsAClearError) {
  EXPECT_THROW(FreeTypePaintPlatform("/nonexistent"), std::runtime_error);
  FreeTypePaintPlatform p(WAKESPAN_WINE_FONTS);
  EXPECT_THROW(p.Font(PreviewFont{"NoSuchFace", 11, false}), std::runtime_error);
}

}  // namespace
}  // namespace wakespan
