// The control form of skinned text: the control's font, the underlined hot
// text of a web button, a windowless control taking its parent's colours,
// and a control that keeps its own font colour.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "skin/paint/sSkinText.h"

namespace wakespan {
namespace {

struct ControlTextTest : ::testing::Test {
  test::FontRecordingPlatform platform;
  test::PlatformScope scope{platform};
  Bitmap canvas{40, 20, PixelFormat::Bgr24};
  const Rect R{2, 2, 30, 15};
  const FontRef font{reinterpret_cast<void*>(0x42)};
  void Write(const TsCommonData& data, bool hot, const TacTextSource& source, bool enabled = true) {
    WriteSkinText(data, HostDC(canvas), u"Go", enabled, hot, 0, R, 0x0000FF, source);
  }
};

TEST_F(ControlTextTest, WebButtonHotTextIsUnderlinedInTheControlsFont) {
  TsCommonData data;
  test::UseSection(data, "webbutton");
  Write(data, false, TacTextSource{font});
  Write(data, true, TacTextSource{font});
  ASSERT_EQ(platform.Fonts.size(), 2u);
  EXPECT_EQ(platform.Fonts[0].Font, font.Handle);
  EXPECT_FALSE(platform.Fonts[0].Underline);
  EXPECT_TRUE(platform.Fonts[1].Underline);
  ASSERT_EQ(platform.TextCalls.size(), 2u);
  EXPECT_EQ(platform.TextCalls[1].Color, 16577776);
  TsCommonData button;
  test::UseSection(button, "button");
  Write(button, true, TacTextSource{font});
  EXPECT_FALSE(platform.Fonts.back().Underline) << "only web buttons underline";
}

TEST_F(ControlTextTest, WindowlessSeeThroughControlTakesItsSkinnedParentsColours) {
  TsCommonData label, form;
  test::UseSection(label, "checkbox");  // TRANSPARENCY 100
  test::UseSection(form, "button");
  TacTextSource source{font, true, true, &form};
  Write(label, false, source);
  EXPECT_EQ(platform.TextCalls.back().Color, 16116710) << "the parent's FONTCOLOR";
  source.ParentFont = false;
  Write(label, false, source);
  EXPECT_EQ(platform.TextCalls.back().Color, 15455950) << "its own font: its own colours";
  TsCommonData opaque;
  test::UseSection(opaque, "edit");
  source.ParentFont = true;
  Write(opaque, false, source);
  EXPECT_EQ(platform.TextCalls.back().Color, 2233874) << "an opaque section keeps its own";
}

TEST_F(ControlTextTest, CustomFontColourDrawsOnceAndDisabledMixesWithTheGlobalColour) {
  TsCommonData data;
  test::UseSection(data, "button");  // has a bottom side colour
  Write(data, false, TacTextSource{});
  EXPECT_EQ(platform.TextCalls.size(), 2u) << "bottom side colour, then the text";
  platform.TextCalls.clear();
  data.FCustomFont = true;
  Write(data, false, TacTextSource{});
  ASSERT_EQ(platform.TextCalls.size(), 1u);
  EXPECT_EQ(platform.TextCalls[0].Color, 0x0000FF);
  EXPECT_TRUE(platform.Fonts.empty()) << "no font given: the canvas keeps its own";
}

}  // namespace
}  // namespace wakespan
