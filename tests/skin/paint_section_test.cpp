// Section backgrounds over known and unknown parents, the fill's mix of
// texture, gradient and colour, the section's corners and border, and the
// cases that paint nothing.
#include <gtest/gtest.h>

#include "paint_test_helpers.h"
#include "skin/paint/HostPaintPlatform.h"
#include "skin/paint/sSectionPaint.h"

namespace wakespan {
namespace {

using test::DrawTags;
using test::Entry;
using test::HandSkin;
using test::Tag;

constexpr uint32_t kBackground = 0x010203;

TCacheInfo Plain(uint32_t color) {
  TCacheInfo ci;
  ci.FillColor = color;
  return ci;
}

struct SectionBackground : ::testing::Test {
  HandSkin skin;
  int k = -1;
  void SetUp() override { k = skin.AddSection("S"); }
  TsGeneralData& g() { return skin.Section(k); }
  Bitmap Paint(const TCacheInfo& ci, int state = 0, Point pP = {}, Rect R = {0, 0, 4, 3}) {
    Bitmap b = Filled(4, 3, PixelFormat::Bgr24, kBackground);
    PaintSectionBackground(k, "S", ci, kSkinColor, -1, -1, &skin.manager, b, pP, R, state);
    return b;
  }
};

TEST_F(SectionBackground, FullyTransparentShowsTheParentBlockOrColour) {
  g().Transparency = 100;
  Bitmap parent(10, 10, PixelFormat::Bgr24);
  DrawTags(parent, Rect{0, 0, 10, 10});
  const Bitmap b = Paint(CacheInfoOfBitmap(&parent, 1, 2), 0, Point{3, 4});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, y), Tag(1 + 3 + x, 2 + 4 + y));
  EXPECT_EQ(Paint(Plain(0x00AA00)), Filled(4, 3, PixelFormat::Bgr24, 0x00AA00));
  // Painting into the parent itself leaves it as it is.
  Bitmap self = Filled(4, 3, PixelFormat::Bgr24, 0x777777);
  PaintSectionBackground(k, "S", CacheInfoOfBitmap(&self, 0, 0), kSkinColor, -1, -1, &skin.manager, self, Point{},
                         Rect{0, 0, 4, 3}, 0);
  EXPECT_EQ(self, Filled(4, 3, PixelFormat::Bgr24, 0x777777));
}

TEST_F(SectionBackground, HalfTransparentWhiteOverABlackParent) {
  g().Transparency = 50;
  g().Color = 0xFFFFFF;
  const Bitmap black(8, 8, PixelFormat::Bgr24);
  // alpha 127: (0 * 127 + 255 * 128 + 127) shr 8 = 127.
  EXPECT_EQ(Paint(CacheInfoOfBitmap(&black, 0, 0)), Filled(4, 3, PixelFormat::Bgr24, Gray(127)));
  // A plain parent colour and no gradient: the colours mix, the parent
  // keeping half: round(0.5 * 0 + 0.5 * 255) = 128 (ties to even).
  EXPECT_EQ(Paint(Plain(0)), Filled(4, 3, PixelFormat::Bgr24, Gray(128)));
  // Nothing known at all: the section's colour, opaque.
  EXPECT_EQ(Paint(Plain(kSkinColor)), Filled(4, 3, PixelFormat::Bgr24, 0xFFFFFF));
}

TEST_F(SectionBackground, HotStateTakesTheHotPropertiesAndColoursResolve) {
  g().Color = 0x111111;
  g().HotColor = TColor(0xFF000005);  // a system colour, as a skin may write it
  EXPECT_EQ(Paint(Plain(0), 1), Filled(4, 3, PixelFormat::Bgr24, 0xFFFFFF)) << "the window colour";
  EXPECT_EQ(Paint(Plain(0), 0), Filled(4, 3, PixelFormat::Bgr24, 0x111111));
}

TEST_F(SectionBackground, GradientKeepsItsPercentAndTheColourTakesTheRest) {
  g().Color = 0;
  g().GradientPercent = 60;
  g().GradientArray = ParseGradientData("16777215;16777215;100;0;0");
  // White gradient tinted 60 % towards black: round(0.6 * 255) = 153.
  EXPECT_EQ(Paint(Plain(kSkinColor)), Filled(4, 3, PixelFormat::Bgr24, Gray(153)));
  // Without gradient segments the colour itself is painted first.
  g().GradientArray.clear();
  EXPECT_EQ(Paint(Plain(kSkinColor)), Filled(4, 3, PixelFormat::Bgr24, 0));
}

TEST_F(SectionBackground, TextureUnderAGradientKeepsTheImagePercent) {
  FillRectColor(skin.Master(), Rect{0, 0, 2, 2}, 0xFFFFFF);
  TsMaskData texture = Entry(Rect{0, 0, 2, 2}, 1, 0, 0);
  texture.ClassName = "S";
  texture.PropertyName = "PATTERN";
  skin.AddMask(texture);
  g().ImagePercent = 40;
  g().GradientPercent = 60;
  g().GradientArray = ParseGradientData("0;0;100;0;0");
  // Black gradient over the white texture at alpha 40 * 255 div 100 = 102:
  // (255 * 102 + 0 * 153 + 127) shr 8 = 102; ip + gp = 100: no tint.
  EXPECT_EQ(Paint(Plain(kSkinColor)), Filled(4, 3, PixelFormat::Bgr24, Gray(102)));
  // A given texture index with a mask is no texture: the gradient alone,
  // then tinted 100 %... (ip + gp = 100) nothing more: black.
  Bitmap b = Filled(4, 3, PixelFormat::Bgr24, kBackground);
  skin.Mask(0).MaskType = 1;
  PaintSectionBackground(k, "S", Plain(kSkinColor), kSkinColor, -1, 0, &skin.manager, b, Point{}, Rect{0, 0, 4, 3}, 0);
  EXPECT_EQ(b, Filled(4, 3, PixelFormat::Bgr24, 0));
}

TEST_F(SectionBackground, ACustomColourReplacesTheSkinsFill) {
  g().Transparency = 100;
  Bitmap b = Filled(4, 3, PixelFormat::Bgr24, kBackground);
  PaintSectionBackground(k, "S", Plain(0), 0x0000FF, -1, -1, &skin.manager, b, Point{}, Rect{0, 0, 4, 3}, 0);
  EXPECT_EQ(b, Filled(4, 3, PixelFormat::Bgr24, 0x0000FF));
}

TEST(Section, NothingIsPaintedForInvalidInputs) {
  HandSkin skin;
  const int k = skin.AddSection("S");
  const Bitmap untouched = Filled(4, 4, PixelFormat::Bgr24, kBackground);
  Bitmap b = untouched;
  const Rect all{0, 0, 4, 4};
  PaintSection(k, "S", TCacheInfo{}, true, 0, all, Point{}, nullptr, &skin.manager);
  PaintSection(k + 1, "S", TCacheInfo{}, true, 0, all, Point{}, &b, &skin.manager);
  PaintSection(-1, "S", TCacheInfo{}, true, 0, all, Point{}, &b, &skin.manager);
  PaintSection(k, "S", TCacheInfo{}, true, 0, Rect{0, 0, 5, 4}, Point{}, &b, &skin.manager);
  PaintSection(k, "S", TCacheInfo{}, true, 0, Rect{-1, 0, 3, 4}, Point{}, &b, &skin.manager);
  PaintSection(k, "S", TCacheInfo{}, true, 0, Rect{2, 0, 2, 4}, Point{}, &b, &skin.manager);
  TsSkinManager empty;
  PaintSection(0, "S", TCacheInfo{}, true, 0, all, Point{}, &b, &empty);
  EXPECT_EQ(b, untouched);
  PaintSection(k, "S", TCacheInfo{}, true, 0, all, Point{}, &b, &skin.manager);
  EXPECT_EQ(b, Filled(4, 4, PixelFormat::Bgr24, 0xFFFFFF)) << "the default colour";
}

TEST(Section, CornerImagesSitAtTheCornersByTheirOwnSizes) {
  HandSkin skin(16, 16);
  DrawTags(skin.Master(), Rect{0, 0, 4, 2});
  const int k = skin.AddSection("S");
  const int corner = skin.AddMask(Entry(Rect{0, 0, 4, 2}, 2, 0));  // 2 x 2 states
  skin.Section(k).ImgTL = skin.Section(k).ImgBR = corner;
  Bitmap b = Filled(6, 5, PixelFormat::Bgr24, kBackground);
  PaintSection(k, "S", Plain(0), true, 1, Rect{0, 0, 6, 5}, Point{}, &b, &skin.manager);
  EXPECT_EQ(b.Pixel(0, 0), Tag(2, 0));
  EXPECT_EQ(b.Pixel(5, 4), Tag(3, 1));
  EXPECT_EQ(b.Pixel(4, 3), Tag(2, 0));
  EXPECT_EQ(b.Pixel(5, 0), 0xFFFFFFu) << "the hot default colour";
}

TEST(Section, ToADeviceContextThroughATemporaryBitmap) {
  HandSkin skin;
  const int k = skin.AddSection("S");
  skin.Section(k).Color = 0x123456;
  HostPaintPlatform host;
  test::PlatformScope scope(host);
  Bitmap screen = Filled(10, 10, PixelFormat::Bgra32, 0);
  PaintSectionToDC(k, "S", Plain(0), &skin.manager, HostDC(screen), Point{}, Rect{2, 3, 5, 7}, 0, true);
  EXPECT_EQ(screen.Pixel(2, 3), 0xFF123456u);
  EXPECT_EQ(screen.Pixel(4, 6), 0xFF123456u);
  EXPECT_EQ(screen.Pixel(5, 6), 0u);
  EXPECT_EQ(host.DCLog, (std::vector<std::string>{"save 1", "copy 2,3,5,7", "restore 1"}));
  PaintSectionToDC(k, "S", Plain(0), &skin.manager, HostDC(screen), Point{}, Rect{-1, 3, 5, 7}, 0, true);
  PaintSectionToDC(k, "S", Plain(0), &skin.manager, HostDC(screen), Point{}, Rect{2, 3, 2, 7}, 0, true);
  EXPECT_EQ(host.DCLog.size(), 3u);
}

}  // namespace
}  // namespace wakespan
