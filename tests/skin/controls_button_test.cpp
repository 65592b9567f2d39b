// Push buttons: state, caption geometry, the cache painted from the
// embedded skin and the disabled fade.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "skin/controls/sButtonPaint.h"
#include "skin/controls/sControlCache.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

using test::EmbeddedSkin;
using test::FontRecordingPlatform;
using test::PlatformScope;

TacControlView ButtonView(std::u16string caption = u"OK") {
  TacControlView v;
  v.WindowSize = Size{75, 25};
  v.Caption = std::move(caption);
  return v;
}

TEST(ButtonState, HoverIsOnePressIsTwoAndTheDefaultButtonIsHot) {
  TacControlView v = ButtonView();
  TacButtonPainter p(v);
  EXPECT_EQ(p.CurrentState(), 0);
  v.MouseAbove = true;
  EXPECT_EQ(p.CurrentState(), 1);
  v.ButtonState = kStatePushed;
  EXPECT_EQ(p.CurrentState(), 2);
  v = ButtonView();
  v.Style = kStyleDefPushButton;
  EXPECT_EQ(p.CurrentState(), 1) << "default button, not hovered";
  v.Style = 0x0002;  // a check box style is not the default button
  EXPECT_EQ(p.CurrentState(), 0);
  v.Style = kStyleDefPushButton;
  v.Enabled = false;
  EXPECT_EQ(p.CurrentState(), 0);
  v.Focused = true;
  v.Enabled = true;
  v.Style = 0;
  EXPECT_EQ(p.CurrentState(), 1);
}

TEST(ButtonCaption, CentredRectangleAndItsPressedShift) {
  const TacControlView v = ButtonView();
  TacButtonPainter p(v);
  // Host text: 7 x 13 per character; "OK" is 14 x 13.
  EXPECT_EQ(p.TextRectSize().Width, 14);
  EXPECT_EQ(p.MaxCaptionWidth(), 73);
  // h = 30, v = 6: (29, 6, 47, 19).
  EXPECT_EQ(p.CaptionRect(), (Rect{29, 6, 47, 19}));
  TacControlView down = v;
  down.ButtonState = kStatePushed;
  EXPECT_EQ(TacButtonPainter(down).CaptionRect(), (Rect{30, 7, 48, 20}));
  const TacControlView none = ButtonView(u"");
  EXPECT_EQ(TacButtonPainter(none).MaxCaptionWidth(), 0);
}

TEST(ButtonCaption, MultiLineStyleIsNotWordWrapped) {
  TacControlView v = ButtonView(u"Set Password now");
  v.WindowSize = Size{100, 40};  // 14 characters to a line
  EXPECT_EQ(TacButtonPainter(v).TextRectSize().Height, 26) << "word-broken into two lines";
  v.Style = kStyleMultiLine;
  EXPECT_EQ(TacButtonPainter(v).CaptionFormat() & textformat::kWordBreak, 0u);
  EXPECT_EQ(TacButtonPainter(v).TextRectSize().Height, 13);
}

struct ButtonCacheTest : ::testing::Test {
  FontRecordingPlatform platform;
  PlatformScope scope{platform};
  TsCommonData data;
  void SetUp() override { test::UseSection(data, "button"); }
  Bitmap Section(int state, const TCacheInfo& ci) {
    Bitmap b(75, 25, PixelFormat::Bgr24);
    PaintSection(data, ci, true, state, Rect{0, 0, 75, 25}, Point{}, &b, true);
    return b;
  }
};

TEST_F(ButtonCacheTest, DefaultButtonIsPaintedHotWithItsHotFontAndFocusRectangle) {
  TacControlView v = ButtonView();
  v.Style = kStyleDefPushButton;
  v.ButtonState = kStateFocus;
  v.Font = FontRef{reinterpret_cast<void*>(0x1234)};
  TCacheInfo ci;
  ci.FillColor = 0x00AA00;
  TacButtonPainter(v).PrepareCache(data, ci);
  ASSERT_TRUE(data.FCacheBmp);
  EXPECT_FALSE(data.BGChanged);
  // Away from the caption the cache is the section's state-1 image.
  const Bitmap expected = Section(1, ci);
  for (int x = 0; x < 75; ++x) EXPECT_EQ(data.FCacheBmp->Pixel(x, 2), expected.Pixel(x, 2)) << x;
  // The bottom side colour one pixel down, then the text.
  ASSERT_EQ(platform.TextCalls.size(), 2u);
  EXPECT_EQ(platform.TextCalls[0].Color, 3939856) << "HOTTCBOTTOM";
  EXPECT_EQ(platform.TextCalls[0].R, (Rect{29, 7, 47, 20}));
  EXPECT_EQ(platform.TextCalls[1].Color, 16577776) << "HOTFONTCOLOR";
  EXPECT_EQ(platform.TextCalls[1].R, (Rect{29, 6, 47, 19}));
  ASSERT_EQ(platform.Fonts.size(), 1u);
  EXPECT_EQ(platform.Fonts[0].Font, v.Font.Handle);
  ASSERT_EQ(platform.FocusRects.size(), 1u) << "BUTTON shows focus";
  EXPECT_EQ(platform.FocusRects[0], (Rect{28, 5, 48, 20}));
}

TEST_F(ButtonCacheTest, NormalButtonUsesStateZeroAndTheNormalFont) {
  const TacControlView v = ButtonView();
  TCacheInfo ci;
  ci.FillColor = 0x00AA00;
  TacButtonPainter(v).PrepareCache(data, ci);
  const Bitmap expected = Section(0, ci);
  EXPECT_EQ(data.FCacheBmp->Pixel(10, 2), expected.Pixel(10, 2));
  ASSERT_EQ(platform.TextCalls.size(), 2u);
  EXPECT_EQ(platform.TextCalls[1].Color, 16116710) << "FONTCOLOR";
  EXPECT_TRUE(platform.FocusRects.empty());
}

TEST_F(ButtonCacheTest, DisabledButtonKeepsFortyPerCentOverTheParentBitmap) {
  TacControlView v = ButtonView();
  const Bitmap parent = test::Plain(100, 60, 0x204080);
  const TCacheInfo ci = CacheInfoOfBitmap(&parent, 10, 20);
  const Bitmap enabled = Section(0, ci);
  v.Enabled = false;
  TacButtonPainter(v).PrepareCache(data, ci);
  for (const Point p : {Point{0, 0}, Point{5, 3}, Point{74, 24}}) {
    const uint32_t own = enabled.Pixel(p.X, p.Y), got = data.FCacheBmp->Pixel(p.X, p.Y);
    EXPECT_NEAR(RedOf(got), 0.4 * RedOf(own) + 0.6 * 0x80, 0.5);
    EXPECT_NEAR(GreenOf(got), 0.4 * GreenOf(own) + 0.6 * 0x40, 0.5);
    EXPECT_NEAR(BlueOf(got), 0.4 * BlueOf(own) + 0.6 * 0x20, 0.5);
  }
  ASSERT_EQ(platform.TextCalls.size(), 1u) << "disabled text has no side colours";
  EXPECT_EQ(platform.TextCalls[0].Color, TColor(MixTwoColors(16116710, uint32_t(EmbeddedSkin().GetGlobalColor()), 0.4)));
}

TEST(DisabledFade, WithoutABitmapTheFillColourTakesSixtyPerCentAndMagentaStays) {
  Bitmap b(3, 1, PixelFormat::Bgr24);
  b.SetPixel(0, 0, 0xFF00FF);
  b.SetPixel(1, 0, 0x0000FF);
  b.SetPixel(2, 0, 0x0A0A0A);
  TCacheInfo ci;
  ci.FillColor = 0x00FF00;
  FadeDisabled(b, ci);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF00FFu);
  EXPECT_EQ(b.Pixel(1, 0), MakeColor(102, 153, 0));
  EXPECT_EQ(b.Pixel(2, 0), MakeColor(4, 157, 4));  // 4 + 153 = 157
}

}  // namespace
}  // namespace wakespan
