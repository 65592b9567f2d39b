// The window-sized cache of a skinned form painted with the embedded skin.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sFrameInputs.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sTitleButtonPaint.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sStateGlyph.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan {
namespace {

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
class FrameRenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    manager_ = test::LoadEmbeddedSkin().release();
  }
  static void TearDownTestSuite() { delete manager_; }
  void SetUp() override {
    scene.Window.Style = kStyleCaption | kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox;
    scene.Window.Window = Size{357, 389};
    scene.Window.Client = Size{351, 389 - 3 - 18 - 19 - 3};
    scene.Window.MainMenuShown = true;
    scene.Rules = RulesFromStyle(scene.Window.Style, true, false);
    scene.Caption = u"Wakespan";
    cache.ReadSkin(manager_);
    AssignTitleButtonImages(cache.Buttons, *manager_, TsBorderStyle::Single, scene.Rules, false, false,
                            cache.Data.SkinIndex);
  }
  static TsSkinManager* manager_;
  TsFrameCache cache;
  TsFrameScene scene;
};
TsSkinManager* FrameRenderTest::manager_ = nullptr;

TEST_F(FrameRenderTest, PaintsOnlyWhenStaleAndCoversTheWindow) {
  int iconCalls = 0, menuCalls = 0;
  scene.ShowIcon = true;
  scene.DrawIcon = [&](Bitmap&, Rect where) {
    ++iconCalls;
    EXPECT_EQ(where.Width(), 16);
  };
  scene.PaintMenuBarItems = [&](Bitmap& frame, const Bitmap& line, Point origin) {
    ++menuCalls;
    EXPECT_EQ(line.Width(), 357);
    EXPECT_EQ(line.Height(), 18);
    // The background is the cache's own bar, read from where the origin says.
    for (int x = 4; x < 300; x += 37) EXPECT_EQ(line.Pixel(x, 9), frame.Pixel(origin.X + x, origin.Y + 9)) << x;
  };
  EXPECT_TRUE(RenderFrame(cache, scene));
  EXPECT_FALSE(RenderFrame(cache, scene));
  EXPECT_EQ(iconCalls, 1);
  EXPECT_EQ(menuCalls, 1);
  ASSERT_TRUE(cache.Data.FCacheBmp);
  EXPECT_EQ(cache.Data.FCacheBmp->Width(), 357);
  EXPECT_EQ(cache.Data.FCacheBmp->Height(), 389);
  EXPECT_EQ(cache.TempBmp.Width(), 3 + (1 + 43 + 25 - 1 + 27 - 1) + 10);
}

TEST_F(FrameRenderTest, ClientIsTheFormSectionAndButtonsAreTheirGlyphs) {
  scene.Caption.clear();
  RenderFrame(cache, scene);
  const Bitmap& b = *cache.Data.FCacheBmp;
  Bitmap form(357, 389, PixelFormat::Bgr24);
  TCacheInfo behind;
  behind.FillColor = uint32_t(FormColor(cache, scene));
  PaintSection(cache.Data, behind, false, 1, Rect{0, 0, 357, 389}, Point{}, &form, false);
  for (int y = 60; y < 389; y += 37)
    for (int x = 0; x < 357; x += 29) ASSERT_EQ(b.Pixel(x, y), form.Pixel(x, y)) << x << "," << y;
  // No key colour is left anywhere in the frame or the client.
  for (int y = 0; y < 389; ++y)
    for (int x = 0; x < 357; ++x) ASSERT_NE(b.Pixel(x, y), 0xFF00FFu) << x << "," << y;
  // The close button is its state-0 glyph painted over the title bar.
  const TsCaptionButton& close = cache.Buttons.Close;
  Bitmap glyph = b;
  PaintStateGlyph(glyph, Point{close.R.Left, close.R.Top}, 0, CacheInfoOfBitmap(&glyph, 3, 40),
                  manager_->ma[size_t(close.ImageIndex)], kGlyphNormal);
  EXPECT_EQ(glyph, b);
}

TEST_F(FrameRenderTest, InactiveFormPaintsADifferentTitleBar) {
  RenderFrame(cache, scene);
  const Bitmap active = *cache.Data.FCacheBmp;
  scene.FormActive = false;
  cache.Data.BGChanged = true;
  RenderFrame(cache, scene);
  EXPECT_NE(*cache.Data.FCacheBmp, active);
}

TEST_F(FrameRenderTest, ChildrenGetTheCacheAtTheClientOrigin) {
  BackgroundInfo info;
  AnswerFormBackground(cache, scene, info);
  EXPECT_EQ(info.Kind, BackgroundInfo::kCacheBitmap);
  EXPECT_EQ(info.Bitmap, cache.Data.FCacheBmp.get());
  EXPECT_EQ(info.OffsetX, 3);
  EXPECT_EQ(info.OffsetY, 40);
}

TEST_F(FrameRenderTest, OddSizesAndAMissingSkinPaintNothingWrong) {
  for (const Size size : {Size{0, 0}, Size{1, 1}, Size{40000, 10}, Size{-5, 30}}) {
    scene.Window.Window = size;
    scene.Window.Client = Size{};
    cache.Data.BGChanged = true;
    EXPECT_TRUE(RenderFrame(cache, scene));
  }
  TsFrameCache bare;
  TsSkinManager empty;
  bare.ReadSkin(&empty);
  scene.Window.Window = Size{50, 50};
  EXPECT_TRUE(RenderFrame(bare, scene));
  EXPECT_EQ(*bare.Data.FCacheBmp, Bitmap(50, 50, PixelFormat::Bgr24));
}
// The pixels of a button's rectangle in b, in BGR.
std::vector<uint32_t> ButtonPixels(const Bitmap& b, const Rect& r) {
  std::vector<uint32_t> pixels;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) pixels.push_back(b.Pixel(x, y) & 0xFFFFFF);
  return pixels;
}

TEST_F(FrameRenderTest, FadeImageIsTheButtonInItsStateOverTheSavedStrip) {
  RenderFrame(cache, scene);
  TsCaptionButton& close = cache.Buttons.Close;
  ASSERT_FALSE(close.R.IsEmpty());
  const Bitmap normal = MakeTitleFadeImage(cache, *manager_, close, 357);
  ASSERT_EQ(normal.Width(), close.R.Width());
  ASSERT_EQ(normal.Height(), close.R.Height());
  EXPECT_EQ(normal.Format(), PixelFormat::Bgra32);
  const Rect own{0, 0, normal.Width(), normal.Height()};
  // In state 0 the fade window shows what the frame shows.
  EXPECT_EQ(ButtonPixels(normal, own), ButtonPixels(*cache.Data.FCacheBmp, close.R));
  close.State = 1;
  const Bitmap hot = MakeTitleFadeImage(cache, *manager_, close, 357);
  EXPECT_NE(ButtonPixels(hot, own), ButtonPixels(normal, own));
  for (int y = 0; y < hot.Height(); ++y)
    for (int x = 0; x < hot.Width(); ++x) ASSERT_EQ(hot.Pixel(x, y) >> 24, 255u) << x << "," << y;
  TsCaptionButton invalid = close;
  invalid.ImageIndex = -1;
  EXPECT_TRUE(MakeTitleFadeImage(cache, *manager_, invalid, 357).IsEmpty());
}

TEST_F(FrameRenderTest, DirectRepaintShowsTheStateAndGivesTheNormalLookBack) {
  RenderFrame(cache, scene);
  TsCaptionButton& close = cache.Buttons.Close;
  const std::vector<uint32_t> before = ButtonPixels(*cache.Data.FCacheBmp, close.R);
  TsButtonPaintContext context;
  context.Rules = scene.Rules;
  context.CaptionWidth = 357;
  context.TempBmpWidth = cache.TempBmp.Width();
  close.State = 1;
  const TsButtonRepaint hot = RepaintTitleButton(cache.Buttons, int(kHitClose), context);
  ASSERT_EQ(hot.How, TsButtonRepaint::Way::Direct);
  EXPECT_EQ(PaintTitleButtonDirect(cache, *manager_, hot, 1), close.R);
  const Bitmap fade = MakeTitleFadeImage(cache, *manager_, close, 357);
  EXPECT_EQ(ButtonPixels(*cache.Data.FCacheBmp, close.R), ButtonPixels(fade, Rect{0, 0, fade.Width(), fade.Height()}));
  close.State = 0;
  PaintTitleButtonDirect(cache, *manager_, RepaintTitleButton(cache.Buttons, int(kHitClose), context), 0);
  EXPECT_EQ(ButtonPixels(*cache.Data.FCacheBmp, close.R), before);
  // The animated way paints nothing into the cache.
  context.GlowingPossible = true;
  EXPECT_TRUE(PaintTitleButtonDirect(cache, *manager_, RepaintTitleButton(cache.Buttons, int(kHitClose), context), 1)
                  .IsEmpty());
}

Point Centre(const Rect& r) { return Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// The hit test over the frame as rendered: the laid-out buttons, the icon,
// the caption band and the menu bar answer where they were painted.
TEST_F(FrameRenderTest, HitTestFindsWhatTheFrameShowsWhereItShowsIt) {
  scene.ShowIcon = true;
  RenderFrame(cache, scene);
  const TsFrameHitInput in = FrameHitInput(scene, *manager_);
  const TsTitleButtons& b = cache.Buttons;
  const auto hit = [&](Point p) { return HitTestFrame(p, in, b).Code; };
  EXPECT_EQ(hit(Centre(b.Close.R)), kHitClose);
  EXPECT_EQ(hit(Centre(b.Max.R)), kHitMaxButton);
  EXPECT_EQ(hit(Centre(b.Min.R)), kHitMinButton);
  EXPECT_EQ(hit(Point{b.Min.R.Left - 3, Centre(b.Min.R).Y}), kHitCaption);
  EXPECT_EQ(hit(Centre(in.IconRect)), kHitSysMenu);
  EXPECT_EQ(hit(Point{150, FrameWidth(scene.Window) + CaptionHeight(scene.Window) + 5}), kHitMenu);
  EXPECT_EQ(hit(Point{150, 200}), kHitClient);
  // The hot code the close button gets, and none for the client area.
  EXPECT_EQ(HitTestFrame(Centre(b.Close.R), in, b).Hot, std::optional<int>(int(kHitClose)));
  EXPECT_EQ(HitTestFrame(Point{150, 200}, in, b).Hot, std::optional<int>(0));
}

#endif

}  // namespace
}  // namespace wakespan
