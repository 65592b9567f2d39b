// State glyphs: which state is shown, clipping at the bitmap's left and top,
// own bitmaps, the faded mode.
#include <gtest/gtest.h>

#include "paint_test_helpers.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sStateGlyph.h"

namespace wakespan {
namespace {

using test::DrawTags;
using test::Entry;
using test::HandSkin;
using test::Tag;

constexpr uint32_t kBackground = 0x010203;

TEST(StateGlyph, PartLeftOfTheBitmapIsSkippedAndTheNextStateNeverShows) {
  HandSkin skin(48, 4);
  DrawTags(skin.Master(), Rect{0, 0, 48, 4});
  const int i = skin.AddMask(Entry(Rect{0, 0, 48, 4}, 3, 0));  // states 16 wide
  Bitmap b = Filled(20, 4, PixelFormat::Bgr24, kBackground);
  PaintStateGlyph(b, Point{-3, 0}, 1, TCacheInfo{}, skin.Mask(i), kGlyphNormal);
  EXPECT_EQ(b.Pixel(0, 0), Tag(16 + 3, 0));
  EXPECT_EQ(b.Pixel(12, 3), Tag(16 + 15, 3));
  EXPECT_EQ(b.Pixel(13, 0), kBackground);
  // States past the last show the last; hostile positions show nothing.
  Bitmap last = Filled(20, 4, PixelFormat::Bgr24, kBackground);
  PaintStateGlyph(last, Point{0, 0}, 7, TCacheInfo{}, skin.Mask(i), kGlyphNormal);
  EXPECT_EQ(last.Pixel(0, 0), Tag(32, 0));
  Bitmap far = Filled(20, 4, PixelFormat::Bgr24, kBackground);
  PaintStateGlyph(far, Point{INT32_MIN, INT32_MAX}, 0, TCacheInfo{}, skin.Mask(i), kGlyphNormal);
  PaintStateGlyph(far, Point{INT32_MAX, 0}, 0, TCacheInfo{}, skin.Mask(i), kGlyphNormal);
  EXPECT_EQ(far, Filled(20, 4, PixelFormat::Bgr24, kBackground));
}

TEST(StateGlyph, KeyPixelsFollowTheParentAndTheFadedModeMixesHalfAndHalf) {
  HandSkin skin(4, 1);
  skin.Master().SetPixel(0, 0, kSkinKeyColor);
  skin.Master().SetPixel(1, 0, Gray(200));
  const int i = skin.AddMask(Entry(Rect{0, 0, 2, 1}, 1, 0));
  TCacheInfo plain;
  plain.FillColor = 0x0000AA;
  Bitmap b = Filled(2, 1, PixelFormat::Bgr24, Gray(100));
  PaintStateGlyph(b, Point{0, 0}, 0, plain, skin.Mask(i), kGlyphNormal);
  EXPECT_EQ(b.Pixel(0, 0), 0x0000AAu);
  EXPECT_EQ(b.Pixel(1, 0), Gray(200));
  Bitmap faded = Filled(2, 1, PixelFormat::Bgr24, Gray(100));
  PaintStateGlyph(faded, Point{0, 0}, 0, plain, skin.Mask(i), 2);
  EXPECT_EQ(faded.Pixel(0, 0), Gray(100)) << "key pixels stay";
  EXPECT_EQ(faded.Pixel(1, 0), Gray(150));
}

TEST(StateGlyph, OwnBitmapsMustHoldTheRectangleAndEmptyEntriesPaintNothing) {
  HandSkin skin(4, 4);
  TsMaskData own = Entry(Rect{0, 0, 4, 2}, 1, 1);
  own.Bmp = std::make_shared<Bitmap>(Filled(4, 2, PixelFormat::Bgr24, Gray(50)));
  own.Bmp->SetPixel(0, 1, Gray(0));  // mask row: pixel 0 opaque, the rest 50 / 256 see-through
  Bitmap b = Filled(4, 1, PixelFormat::Bgr24, Gray(250));
  PaintStateGlyph(b, Point{0, 0}, 0, TCacheInfo{}, skin.Mask(skin.AddMask(own)), kGlyphNormal);
  EXPECT_EQ(b.Pixel(0, 0), Gray(50));
  EXPECT_EQ(b.Pixel(1, 0), Gray((250 * 50 + 50 * 206) / 256));

  own.R = Rect{0, 0, 4, 4};  // taller than the bitmap
  Bitmap untouched = Filled(4, 1, PixelFormat::Bgr24, Gray(250));
  PaintStateGlyph(untouched, Point{0, 0}, 0, TCacheInfo{}, skin.Mask(skin.AddMask(own)), kGlyphNormal);
  PaintStateGlyph(untouched, Point{0, 0}, 0, TCacheInfo{}, skin.Mask(skin.AddMask(Entry(Rect{0, 0, 4, 1}, 0, 0))),
                  kGlyphNormal);
  TsMaskData orphan = Entry(Rect{0, 0, 4, 1}, 1, 0);
  PaintStateGlyph(untouched, Point{0, 0}, 0, TCacheInfo{}, orphan, kGlyphNormal);
  EXPECT_EQ(untouched, Filled(4, 1, PixelFormat::Bgr24, Gray(250)));
}

}  // namespace
}  // namespace wakespan
