// The title buttons' hot and pressed states and how a state is shown.
#include <gtest/gtest.h>

#include "skin/frame/sTitleButtonStates.h"

namespace wakespan {
namespace {

struct StateScene {
  TsTitleButtons Buttons;
  int CurrentHT = 0;
  bool Pressed = false;
  TsTitleButtonStates States() { return TsTitleButtonStates{Buttons, CurrentHT, Pressed}; }
  TsButtonCodes Hot(int code) { return SetHotCode(States(), code); }
  TsButtonCodes Press(int code, bool maxActive = true) { return PressTitleButton(States(), code, maxActive); }
};

constexpr int kClose = int(kHitClose), kMax = int(kHitMaxButton), kMin = int(kHitMinButton);

TEST(TitleButtonStates, HoverMakesOneButtonHotAtATime) {
  StateScene s;
  EXPECT_EQ(s.Hot(kClose), (TsButtonCodes{kClose}));
  EXPECT_EQ(s.Buttons.Close.State, 1);
  EXPECT_EQ(s.CurrentHT, kClose);
  EXPECT_TRUE(s.Hot(kClose).empty());  // no change
  EXPECT_EQ(s.Hot(kMax), (TsButtonCodes{kClose, kMax}));
  EXPECT_EQ(s.Buttons.Close.State, 0);
  EXPECT_EQ(s.Buttons.Max.State, 1);
  // Codes that name no button change the hot code, repaint nothing.
  EXPECT_EQ(s.Hot(int(kHitCaption)), (TsButtonCodes{kMax}));
  EXPECT_EQ(s.CurrentHT, int(kHitCaption));
  // From a sizing border, "none" keeps the border's code.
  s.Hot(-1);
  EXPECT_TRUE(s.Hot(0).empty());
  EXPECT_EQ(s.CurrentHT, -1);
  EXPECT_EQ(s.Hot(kMin), (TsButtonCodes{kMin}));
}

TEST(TitleButtonStates, PressSetsTheFlagAndAnyHotChangeClearsIt) {
  StateScene s;
  s.Hot(kClose);
  EXPECT_EQ(s.Press(kClose), (TsButtonCodes{kClose}));
  EXPECT_EQ(s.Buttons.Close.State, 2);
  EXPECT_TRUE(s.Pressed);
  s.Hot(kClose);  // still over the pressed button
  EXPECT_TRUE(s.Pressed);
  EXPECT_EQ(s.Buttons.Close.State, 2);
  s.Hot(kMax);  // slid onto maximize
  EXPECT_FALSE(s.Pressed);
  EXPECT_EQ(s.Buttons.Close.State, 0);
  // A press on another button than the hot one puts the hot one back.
  s.Hot(kMin);
  EXPECT_EQ(s.Press(kClose), (TsButtonCodes{kMin, kClose}));
  EXPECT_EQ(s.Buttons.Min.State, 0);
}

TEST(TitleButtonStates, AMaximizeButtonThatCanDoNothingIsNotPressed) {
  StateScene s;
  s.Hot(kMax);
  EXPECT_EQ(s.Press(kMax, false), (TsButtonCodes{kMax}));
  EXPECT_EQ(s.CurrentHT, 0);
  EXPECT_FALSE(s.Pressed);
  EXPECT_EQ(s.Buttons.Max.State, 0);  // not left looking hot
}

struct PaintScene {
  TsTitleButtons Buttons;
  TsButtonPaintContext C;
  PaintScene() {
    Buttons.Close = TsCaptionButton{0, 4, Rect{310, 1, 353, 21}, true, kHitClose};
    Buttons.Max = TsCaptionButton{0, 5, Rect{285, 1, 310, 21}, true, kHitMaxButton};
    C.IconRect = Rect{5, 4, 21, 20};
    C.CaptionWidth = 357;
    C.TempBmpWidth = 120;
    C.RestoreImage = 9;
    C.Rules.EnabledRestore = false;
  }
  TsButtonRepaint Repaint(int code) const { return RepaintTitleButton(Buttons, code, C); }
};

TEST(TitleButtonStates, WithGlowingEveryChangeFades) {
  PaintScene s;
  s.C.GlowingPossible = true;
  const int steps[] = {10, 10, 1};
  const bool up[] = {false, true, true};
  for (int state = 0; state <= 2; ++state) {
    s.Buttons.Close.State = state;
    const TsButtonRepaint r = s.Repaint(kClose);
    EXPECT_EQ(r.How, TsButtonRepaint::Way::Animate);
    EXPECT_EQ(r.State, state);
    EXPECT_EQ(r.Steps, steps[state]);
    EXPECT_EQ(r.Up, up[state]);
  }
  s.Buttons.Close.State = -1;
  EXPECT_EQ(s.Repaint(kClose).How, TsButtonRepaint::Way::Nothing);
  EXPECT_EQ(s.Repaint(int(kHitCaption)).How, TsButtonRepaint::Way::Nothing);
}

TEST(TitleButtonStates, DirectRepaintTakesTheSavedBackgroundAndTheStateImage) {
  PaintScene s;
  s.Buttons.Close.State = 1;
  const TsButtonRepaint r = s.Repaint(kClose);
  EXPECT_EQ(r.How, TsButtonRepaint::Way::Direct);
  EXPECT_EQ(r.Where, s.Buttons.Close.R);
  EXPECT_EQ(r.TempBmpSource.X, 310 - (357 - 120 - 1));
  EXPECT_EQ(r.TempBmpSource.Y, 1);
  EXPECT_EQ(r.ImageIndex, 4);
  EXPECT_EQ(r.GlyphMode, 1);
  // Maximized, the maximize button shows the restore image.
  s.C.Maximized = true;
  EXPECT_EQ(s.Repaint(kMax).ImageIndex, 9);
  // State 0 is faded on an inactive form and when the command is disabled.
  EXPECT_EQ(s.Repaint(kMax).GlyphMode, 2);
  s.C.Maximized = false;
  EXPECT_EQ(s.Repaint(kMax).ImageIndex, 5);
  EXPECT_EQ(s.Repaint(kMax).GlyphMode, 1);
  s.C.FormActive = false;
  EXPECT_EQ(s.Repaint(kMax).GlyphMode, 2);
  // A button pushed onto the icon is left alone.
  s.Buttons.Max.R = Rect{15, 1, 40, 21};
  EXPECT_EQ(s.Repaint(kMax).How, TsButtonRepaint::Way::Nothing);
}

}  // namespace
}  // namespace wakespan
