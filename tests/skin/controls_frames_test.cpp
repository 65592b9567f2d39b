// Group boxes and edits: the group box's caption place and frame, the
// edit's frame image and the colours it takes from the skin.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "skin/controls/sEditPaint.h"
#include "skin/controls/sGroupBoxPaint.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sSectionPaint.h"

namespace wakespan {
namespace {

TacControlView GroupView() {
  TacControlView v;
  v.WindowSize = Size{311, 90};
  v.Caption = u"Action:";  // 49 x 13
  return v;
}

TEST(GroupBoxCaption, RectangleLeftRightToLeftAndCutToTheWidth) {
  TacControlView v = GroupView();
  EXPECT_EQ(TacGroupBoxPainter(v).CaptionRect(), (Rect{6, 0, 63, 15}));
  v.RightToLeft = true;
  EXPECT_EQ(TacGroupBoxPainter(v).CaptionRect(), (Rect{248, 0, 305, 15}));
  v = GroupView();
  v.WindowSize.Width = 40;
  EXPECT_EQ(TacGroupBoxPainter(v).CaptionRect().Right, 39);
  v.Caption.clear();
  EXPECT_EQ(TacGroupBoxPainter(v).CaptionHeight(), 6) << "at least 4 + 2";
}

TEST(GroupBoxCache, ParentUnderTheCaptionFrameBelowAndTheNormalFont) {
  test::FontRecordingPlatform platform;
  test::PlatformScope scope(platform);
  TsCommonData data;
  test::UseSection(data, "groupbox");
  const Bitmap parent = test::Plain(343, 332, 0x5A3C1E);
  const TCacheInfo ci = CacheInfoOfBitmap(&parent, 18, 203);
  TacGroupBoxPainter(GroupView()).PrepareCache(data, ci);
  const Bitmap& cache = *data.FCacheBmp;
  for (int x = 6; x < 63; ++x) EXPECT_EQ(cache.Pixel(x, 7), 0x5A3C1Eu) << "the line stops under the caption at " << x;
  // The frame line starts at half the caption height, left of the caption.
  Bitmap frame(311, 83, PixelFormat::Bgr24);
  TCacheInfo below = ci;
  below.Y += 7;
  PaintSection(data, below, true, 0, Rect{0, 0, 311, 83}, Point{}, &frame, true);
  for (int y = 7; y < 90; y += 9) EXPECT_EQ(cache.Pixel(0, y), frame.Pixel(0, y - 7)) << y;
  EXPECT_EQ(cache.Pixel(2, 3), 0x5A3C1Eu) << "the strip above the frame is the parent's";
  ASSERT_EQ(platform.TextCalls.size(), 1u);
  EXPECT_EQ(platform.TextCalls[0].Color, 15779504);
  EXPECT_EQ(platform.TextCalls[0].R, (Rect{6, 0, 63, 15}));
}

TEST(EditSkin, ColoursOfTheSectionAndTheDialogFrame) {
  TsCommonData data;
  test::UseSection(data, "edit");
  const TacEditColors colors = EditSkinColors(data);
  EXPECT_EQ(colors.Color, 15454149);
  EXPECT_EQ(colors.FocusColor, 16443616);
  EXPECT_EQ(colors.FontColor, 1575944) << "HOTFONTCOLOR";

  TacControlView v;
  v.WindowSize = Size{112, 21};
  v.PlainWindow = true;
  TCacheInfo ci;
  ci.FillColor = 0x00AA00;
  PrepareEditFrame(data, v, ci);
  const Bitmap& cache = *data.FCacheBmp;
  EXPECT_EQ(cache.Pixel(0, 0), 1774352u) << "BORDERCOLOR";
  EXPECT_EQ(cache.Pixel(111, 20), 1774352u);
  EXPECT_EQ(cache.Pixel(1, 1), uint32_t(ColorToRGB(kSystemWindowColor)));
  EXPECT_FALSE(data.BGChanged);
}

TEST(EditSkin, FrameIsTheSectionInStateOneWhenFocusedOrHovered) {
  TsCommonData data;
  test::UseSection(data, "edit");
  TacControlView v;
  v.WindowSize = Size{112, 21};
  TCacheInfo ci;
  ci.FillColor = 0x00AA00;
  const auto painted = [&](int state) {
    Bitmap b(112, 21, PixelFormat::Bgr24);
    PaintSection(data, ci, true, state, Rect{0, 0, 112, 21}, Point{}, &b, true);
    return b;
  };
  PrepareEditFrame(data, v, ci);
  EXPECT_TRUE(*data.FCacheBmp == painted(0));
  v.MouseAbove = true;
  PrepareEditFrame(data, v, ci);
  EXPECT_TRUE(*data.FCacheBmp == painted(1));
  EXPECT_FALSE(painted(0) == painted(1)) << "the two states differ";
}

}  // namespace
}  // namespace wakespan
