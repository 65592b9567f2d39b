// Check boxes and radio buttons: the mark's image per state, its size and
// place with the embedded skin, the caption beside it and the cache.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "skin/controls/sCheckBoxPaint.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/PixelOps.h"

namespace wakespan {
namespace {

using test::EmbeddedSkin;

TacControlView CheckView(uint32_t style = 0x3) {
  TacControlView v;
  v.WindowSize = Size{97, 17};
  v.Caption = u"Run At StartUp.";
  v.Style = style;
  return v;
}

int Global(const char* key) {
  const TsSkinManager& m = EmbeddedSkin();
  return m.GetMaskIndex(m.GetSkinIndex(s_GlobalInfo), s_GlobalInfo, key);
}

TEST(CheckBoxState, StatesAndMarkStatesFromTheButtonState) {
  TacControlView v = CheckView();
  TacCheckBoxPainter p(v);
  EXPECT_EQ(p.State(), 0);
  v.ButtonState = kStateChecked;
  EXPECT_EQ(p.State(), 1);
  v.ButtonState = kStateChecked | kStateIndeterminate;
  EXPECT_EQ(p.State(), 2);
  EXPECT_EQ(p.CtlState(), 0);
  v.MouseAbove = true;
  EXPECT_EQ(p.CtlState(), 1);
  v.MouseAbove = false;
  v.ButtonState = kStateFocus;
  EXPECT_EQ(p.CtlState(), 1);
  v.ButtonState = kStateFocus | kStatePushed;
  EXPECT_EQ(p.CtlState(), 2);
}

TEST(CheckBoxImages, RadioAndBoxImagesWithBoxGrayedForBoth) {
  const TsSkinManager& m = EmbeddedSkin();
  const TacControlView box = CheckView(0x3);        // auto check box
  const TacControlView radio = CheckView(0x4);      // radio-button style
  const TacControlView autoRadio = CheckView(0x9);  // the framework's self-checking radio button
  const struct {
    const TacControlView& view;
    int state;
    const char* image;
  } cases[] = {
      {box, 0, s_CheckBoxUnChecked},    {box, 1, s_CheckBoxChecked},       {box, 2, s_CheckBoxGrayed},
      {radio, 0, s_RadioButtonUnChecked}, {radio, 1, s_RadioButtonChecked}, {radio, 2, s_CheckBoxGrayed},
      {autoRadio, 1, s_RadioButtonChecked}, {autoRadio, 2, s_CheckBoxGrayed},
  };
  for (const auto& c : cases) {
    ASSERT_GE(Global(c.image), 0) << c.image;
    EXPECT_EQ(TacCheckBoxPainter(c.view).GlyphMaskIndex(m, c.state), Global(c.image)) << c.image << " " << c.state;
  }
}

TEST(CheckBoxImages, TheMarkIsSixteenByThirteenCentredAtTheChosenEdge) {
  const TsSkinManager& m = EmbeddedSkin();
  const int checked = Global(s_CheckBoxChecked);
  EXPECT_EQ(m.ma[size_t(checked)].R, (Rect{48, 78, 96, 91}));
  EXPECT_EQ(SkinGlyphSize(m, checked).Width, 16);
  EXPECT_EQ(SkinGlyphSize(m, checked).Height, 13);
  TacControlView v = CheckView();
  EXPECT_EQ(TacCheckBoxPainter(v).CheckRect(m), (Rect{0, 2, 16, 15}));
  v.Style |= kStyleRightButton;
  EXPECT_EQ(TacCheckBoxPainter(v).CheckRect(m), (Rect{81, 2, 97, 15}));
  test::HandSkin bare;  // no mark images at all
  EXPECT_EQ(TacCheckBoxPainter(v).CheckRect(bare.manager), (Rect{0, 0, 16, 16}));
}

TEST(CheckBoxText, CaptionBesideTheMarkOrAtTwoWithTheMarkOnTheRight) {
  TacControlView v = CheckView();
  // 15 characters: 105 x 13; y = max((17 - 13) div 2, 0) - 1.
  EXPECT_EQ(TacCheckBoxPainter(v).TextRect(16), (Rect{20, 1, 125, 14}));
  v.Style |= kStyleMultiLine;
  EXPECT_EQ(TacCheckBoxPainter(v).TextRect(16).Left, 19);
  v.Style = 0x3 | kStyleRightButton;
  EXPECT_EQ(TacCheckBoxPainter(v).TextRect(16), (Rect{2, 2, 107, 15}));
}

struct CheckBoxCacheTest : ::testing::Test {
  test::FontRecordingPlatform platform;
  test::PlatformScope scope{platform};
  TsCommonData data;
  Bitmap parent = test::Plain(200, 100, 0x336699);
  void SetUp() override { test::UseSection(data, "checkbox"); }
};

TEST_F(CheckBoxCacheTest, CheckedMarkOverTheParentAndTheHotCaption) {
  TacControlView v = CheckView();
  v.ButtonState = kStateChecked | kStateFocus;
  v.Focused = true;
  const TCacheInfo ci = CacheInfoOfBitmap(&parent, 8, 24);
  TacCheckBoxPainter(v).PrepareCache(data, ci);
  const Bitmap& cache = *data.FCacheBmp;
  const TsSkinManager& m = EmbeddedSkin();
  const Bitmap& master = *m.MasterBitmap;
  // Hot: the section's hot border over the parent, under the mark.
  Bitmap hot(97, 17, PixelFormat::Bgr24);
  PaintSection(data, ci, true, 1, Rect{0, 0, 97, 17}, Point{}, &hot, true);
  EXPECT_NE(hot.Pixel(0, 0), 0x336699u);
  // The mark's state 1 (focused) at (0, 2): key pixels show what is below.
  int keyed = 0;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint32_t source = master.Pixel(48 + 16 + x, 78 + y);
      if (source == 0xFF00FF) {
        ++keyed;
        EXPECT_EQ(cache.Pixel(x, 2 + y), hot.Pixel(x, 2 + y));
      } else {
        EXPECT_EQ(cache.Pixel(x, 2 + y), source) << x << "," << y;
      }
    }
  EXPECT_GT(keyed, 0);
  ASSERT_EQ(platform.TextCalls.size(), 1u);
  EXPECT_EQ(platform.TextCalls[0].Color, 16577776) << "focused: the hot font colour";
  ASSERT_EQ(platform.FocusRects.size(), 1u);
  EXPECT_EQ(platform.FocusRects[0], (Rect{19, 0, 126, 15}));
}

TEST_F(CheckBoxCacheTest, DisabledCheckBoxFadesIntoTheParent) {
  TacControlView v = CheckView();
  v.ButtonState = kStateChecked;
  TacCheckBoxPainter(v).PrepareCache(data, CacheInfoOfBitmap(&parent, 8, 24));
  const Bitmap enabled = *data.FCacheBmp;
  v.Enabled = false;
  TacCheckBoxPainter(v).PrepareCache(data, CacheInfoOfBitmap(&parent, 8, 24));
  const uint32_t own = enabled.Pixel(8, 8), got = data.FCacheBmp->Pixel(8, 8);
  EXPECT_NE(own, 0x336699u);
  EXPECT_NEAR(RedOf(got), 0.4 * RedOf(own) + 0.6 * 0x99, 0.5);
  EXPECT_EQ(data.FCacheBmp->Pixel(60, 16), 0x336699u) << "the parent alone stays the parent";
}

}  // namespace
}  // namespace wakespan
