// Buttons with pictures: the image-list button's image by state and its
// rectangles, the bitmap button's glyph beside its caption and the alpha
// blend of a 32-bit glyph.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "skin/controls/sGlyphButtons.h"
#include "skin/controls/sGlyphDraw.h"
#include "skin/pixels/PixelOps.h"

namespace wakespan {
namespace {

TacControlView View(std::u16string caption) {
  TacControlView v;
  v.WindowSize = Size{100, 40};
  v.Caption = std::move(caption);
  return v;
}

struct ImageButtonTest : ::testing::Test {
  Bitmap strip{16 * 5, 16, PixelFormat::Bgra32};
  TacButtonImages images;
  void SetUp() override {
    images.Images = &strip;
    images.ImageSize = Size{16, 16};
    images.Count = 5;
    images.ImageIndex = 0;
    images.Margins = Rect{2, 3, 4, 5};
  }
};

TEST_F(ImageButtonTest, StateImagesInOrderEachOnlyWithinTheList) {
  TacControlView v = View(u"Go");
  TacImageButtonPainter p(v, images);
  images.DisabledImageIndex = 1;
  images.PressedImageIndex = 2;
  images.SelectedImageIndex = 3;
  images.HotImageIndex = 4;
  EXPECT_EQ(p.StateImageIndex(), 0);
  v.Style = kStyleDefPushButton;
  EXPECT_EQ(p.StateImageIndex(), 4) << "the default button is hot";
  v.Focused = true;
  EXPECT_EQ(p.StateImageIndex(), 3);
  v.ButtonState = kStatePushed;
  EXPECT_EQ(p.StateImageIndex(), 2);
  v.Enabled = false;
  EXPECT_EQ(p.StateImageIndex(), 1);
  images.DisabledImageIndex = 5;
  EXPECT_EQ(p.StateImageIndex(), 0) << "outside the list";
  images.ImageIndex = 5;
  EXPECT_FALSE(p.HasImage());
  EXPECT_EQ(p.GlyphSize().Width, 0);
}

TEST_F(ImageButtonTest, GlyphAndCaptionRectanglesPerAlignment) {
  const TacControlView v = View(u"Go");  // text 14 x 13
  TacImageButtonPainter p(v, images);
  images.Alignment = 0;  // left: glyph at 2 + 3; text centred in 100 - 21
  EXPECT_EQ(p.GlyphRect(), (Rect{5, 12, 21, 28}));
  // h = 21 + (100 - 21 - 14) div 2 = 53.
  EXPECT_EQ(p.CaptionRect(), (Rect{52, 13, 69, 27}));
  images.Alignment = 1;  // right: m = 4 + 16 + 3 = 23, h = (100 - 23 - 14) div 2 = 31
  EXPECT_EQ(p.GlyphRect(), (Rect{77, 12, 93, 28}));
  EXPECT_EQ(p.CaptionRect().Left, 30);
  images.Alignment = 2;  // top: m = 3 + 16 + 3 = 22, v = 22 + (40 - 22 - 13) div 2 = 24
  EXPECT_EQ(p.GlyphRect(), (Rect{42, 6, 58, 22}));
  EXPECT_EQ(p.CaptionRect().Top, 24);
  EXPECT_EQ(p.CaptionRect().Bottom, 37);
  images.Alignment = 3;  // bottom: glyph top 40 - 5 - 3 - 16 = 16
  EXPECT_EQ(p.GlyphRect().Top, 16);
  EXPECT_EQ(p.CaptionRect().Top, (40 - 24 - 13) / 2);
  images.Alignment = 4;
  EXPECT_EQ(p.GlyphRect(), (Rect{42, 12, 58, 28}));
}

TEST(BitBtnGlyph, CancelButtonGlyphLeftOfItsCaptionAndPressedShift) {
  Bitmap glyph(24, 24, PixelFormat::Bgra32);
  TacBitBtnGlyph g;
  g.Glyph = &glyph;
  TacControlView v;
  v.WindowSize = Size{75, 25};
  v.Caption = u"Cancel";  // 42 x 13
  TacBitBtnPainter p(v, g);
  EXPECT_EQ(p.GlyphSize().Width, 24);
  // (75 - 24 - 42 - 4) div 2 = 2, (25 - 24) div 2 = 0.
  EXPECT_EQ(p.GlyphRect(), (Rect{2, 0, 26, 24}));
  EXPECT_EQ(p.CaptionRect(), (Rect{30, 6, 72, 19})) << "the caption follows the glyph and the gap";
  EXPECT_EQ(p.MaxCaptionWidth(), 75 - 24 - 4);
  v.ButtonState = kStatePushed;
  EXPECT_EQ(p.GlyphRect(), (Rect{3, 1, 27, 25}));
  EXPECT_EQ(p.CaptionRect().Left, 31);
  g.Layout = 1;  // right: (75 + 4 + 42 - 24) div 2 = 48
  v.ButtonState = 0;
  EXPECT_EQ(p.GlyphRect().Left, 48);
  g.Layout = 3;  // bottom: 25 - (25 - 24 - 13 - 4) div 2 - 24 = 9 (division truncates towards zero)
  EXPECT_EQ(p.GlyphRect(), (Rect{26, 9, 50, 33}));
  g.NumGlyphs = 2;
  EXPECT_EQ(p.GlyphSize().Width, 12);
}

TEST(ButtonPicture, PremultipliedPixelsBlendAndStripsAreKeyed) {
  Bitmap cache = test::Plain(4, 1, 0x808080);
  Bitmap picture(2, 1, PixelFormat::Bgra32);
  picture.SetPixel(0, 0, 0x80000040u);  // half alpha, premultiplied red 0x40
  picture.SetPixel(1, 0, 0xFF0000FFu);  // opaque red
  DrawButtonPicture(cache, Point{1, 0}, picture, Rect{0, 0, 2, 1});
  // 0x40 + 0x80 * 127 / 255 = 0x40 + 64 = 128; other channels 0 + 64.
  EXPECT_EQ(cache.Pixel(1, 0), MakeColor(128, 64, 64));
  EXPECT_EQ(cache.Pixel(2, 0), 0x0000FFu);
  EXPECT_EQ(cache.Pixel(0, 0), 0x808080u);

  Bitmap strip(2, 2, PixelFormat::Bgr24);
  strip.SetPixel(0, 1, 0x00FF00);  // bottom-left: the key colour
  strip.SetPixel(0, 0, 0x00FF00);
  strip.SetPixel(1, 0, 0x112233);
  DrawButtonPicture(cache, Point{0, 0}, strip, Rect{0, 0, 2, 1});
  EXPECT_EQ(cache.Pixel(0, 0), 0x808080u);
  EXPECT_EQ(cache.Pixel(1, 0), 0x112233u);
}

}  // namespace
}  // namespace wakespan
