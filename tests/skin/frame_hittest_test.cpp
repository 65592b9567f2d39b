// The skinned frame's hit test: title buttons by their visible order,
// sizing borders, caption band, menu rows and the grip.
#include <gtest/gtest.h>

#include "skin/frame/sFrameHitTest.h"
#include "skin/frame/sSystemMenuRules.h"

namespace wakespan {
namespace {

// A 357 x 389 window, frame 3, caption 18, one menu row of 18; buttons
// laid out from the right: close, maximize, minimize, help.
struct HitScene {
  TsFrameHitInput In;
  TsTitleButtons Buttons;

  HitScene() {
    In.Window = Size{357, 389};
    In.FrameWidth = 3;
    In.CaptionHeight = 18;
    In.MenuHeight = 18;
    In.LinesCount = 1;
    In.IconRect = Rect{5, 4, 21, 20};
    In.Rules = RulesFromStyle(kStyleMaximizeBox | kStyleMinimizeBox, true, false);
    Place(Buttons.Close, Rect{310, 1, 353, 21});
    Place(Buttons.Max, Rect{285, 1, 310, 21});
    Place(Buttons.Min, Rect{258, 1, 285, 21});
    Place(Buttons.Help, Rect{233, 1, 258, 21});
  }
  static void Place(TsCaptionButton& b, Rect r) {
    b.R = r;
    b.ImageIndex = 1;
  }
  TsHitResult At(int x, int y) const { return HitTestFrame(Point{x, y}, In, Buttons); }
};

TEST(FrameHitTest, ButtonsAnswerByTheirVisibleOrderAndBecomeHot) {
  HitScene s;
  const TsHitResult close = s.At(320, 10), max = s.At(290, 10), min = s.At(260, 10);
  EXPECT_EQ(close.Code, 20u);
  EXPECT_EQ(max.Code, 9u);
  EXPECT_EQ(min.Code, 8u);
  EXPECT_EQ(close.Hot, 20);
  EXPECT_EQ(min.Hot, 8);
  // Help is not shown: its place is caption.
  EXPECT_EQ(s.At(240, 10).Code, kHitCaption);
  EXPECT_FALSE(s.At(240, 10).Hot.has_value());
  // Right and bottom edges of a button are outside it.
  EXPECT_EQ(s.At(309, 10).Code, 9u);
  EXPECT_EQ(s.At(320, 21).Code, kHitMenu);
}

TEST(FrameHitTest, MinimizeTakesSecondPlaceWithoutMaximize) {
  HitScene s;
  TsSysMenuForm f;
  f.HaveSysMenu = true;
  f.BiMinimize = true;
  s.In.Rules = TitleButtonRules(f);  // bsSingle, no biMaximize
  HitScene::Place(s.Buttons.Min, Rect{285, 1, 310, 21});
  s.Buttons.Max.ImageIndex = -1;
  EXPECT_EQ(s.At(290, 10).Code, kHitMinButton);
  s.In.Rules.EnabledMin = false;
  EXPECT_EQ(s.At(290, 10).Code, kHitCaption);
  EXPECT_EQ(s.At(290, 10).Hot, int(kHitCaption));
}

TEST(FrameHitTest, HelpAnswersHelpWhereverItStands) {
  HitScene s;
  s.In.Rules.ShowHelp = true;
  EXPECT_EQ(s.At(240, 10).Code, kHitHelp);
  // Without maximize, help is third and still answers help, not minimize.
  s.In.Rules.ShowMax = false;
  HitScene::Place(s.Buttons.Min, Rect{285, 1, 310, 21});
  HitScene::Place(s.Buttons.Help, Rect{258, 1, 285, 21});
  EXPECT_EQ(s.At(290, 10).Code, kHitMinButton);
  EXPECT_EQ(s.At(260, 10).Code, kHitHelp);
}

TEST(FrameHitTest, DisabledAndUnplacedButtons) {
  HitScene s;
  s.In.Rules.EnabledMax = false;
  s.In.Rules.EnabledRestore = false;
  EXPECT_EQ(s.At(290, 10).Code, kHitCaption);
  s.In.Rules.EnabledRestore = true;  // maximized: the restore command
  EXPECT_EQ(s.At(290, 10).Code, kHitMaxButton);
  s.In.Minimized = true;
  s.In.Rules.EnabledMin = false;
  EXPECT_EQ(s.At(290, 10).Code, kHitCaption);
  EXPECT_EQ(s.At(260, 10).Code, kHitMinButton);  // restores the minimized form
  s.Buttons.Close.ImageIndex = -1;               // no image: never laid out
  EXPECT_EQ(s.At(320, 10).Code, kHitCaption);
  s.In.Rules.HaveSysMenu = false;
  EXPECT_EQ(s.At(260, 10).Code, kHitCaption);
}

TEST(FrameHitTest, UserButtonsCountAfterTheSystemOnes) {
  HitScene s;
  s.In.UserButtons = {
      {Rect{200, 1, 220, 21}, false, true}, {Rect{180, 1, 200, 21}, true, true}, {Rect{160, 1, 180, 21}, true, false}};
  EXPECT_EQ(s.At(190, 10).Code, kHitUserButton + 1);
  EXPECT_EQ(s.At(190, 10).Hot, int(kHitUserButton + 1));
  EXPECT_EQ(s.At(210, 10).Code, kHitCaption);  // hidden
  EXPECT_EQ(s.At(170, 10).Code, kHitCaption);  // disabled
}

TEST(FrameHitTest, SizingBordersAndCornersOfAThickFrame) {
  HitScene s;
  s.In.ThickFrame = true;
  const int W = 357, H = 389;
  EXPECT_EQ(s.At(0, 0).Code, kHitTopLeft);
  EXPECT_EQ(s.At(W - 1, 0).Code, kHitTopRight);
  EXPECT_EQ(s.At(0, H - 1).Code, kHitBottomLeft);
  EXPECT_EQ(s.At(W - 1, H - 1).Code, kHitBottomRight);
  EXPECT_EQ(s.At(100, 2).Code, kHitTop);
  EXPECT_EQ(s.At(100, H - 1).Code, kHitBottom);
  EXPECT_EQ(s.At(2, 200).Code, kHitLeft);
  EXPECT_EQ(s.At(W - 2, 200).Code, kHitRight);
  EXPECT_EQ(s.At(100, 2).Hot, -1);
  // The bottom border starts below H - F, the right one right of W - F.
  EXPECT_EQ(s.At(100, H - 3).Code, kHitClient);
  EXPECT_EQ(s.At(W - 3, 200).Code, kHitClient);
  EXPECT_EQ(s.At(100, 3).Code, kHitCaption);
  // Buttons come first, even over the border.
  EXPECT_EQ(s.At(320, 1).Code, kHitClose);
  s.In.Maximized = true;
  EXPECT_EQ(s.At(100, 2).Code, kHitCaption);
  s.In.Maximized = false;
  s.In.ThickFrame = false;
  EXPECT_EQ(s.At(2, 200).Code, kHitClient);
}

TEST(FrameHitTest, CaptionBandIconMenuRowsAndClient) {
  HitScene s;
  EXPECT_EQ(s.At(100, 0).Code, kHitCaption);
  EXPECT_EQ(s.At(10, 10).Code, kHitSysMenu);
  EXPECT_FALSE(s.At(10, 10).Hot.has_value());
  EXPECT_EQ(s.At(100, 20).Code, kHitCaption);
  EXPECT_EQ(s.At(100, 21).Code, kHitMenu);  // the band's last row
  EXPECT_EQ(s.At(100, 39).Code, kHitMenu);
  EXPECT_EQ(s.At(100, 40).Code, kHitClient);
  EXPECT_EQ(s.At(100, 40).Hot, 0);
  // Without a menu bar the band's last row is caption.
  s.In.MenuHeight = 0;
  s.In.LinesCount = 0;
  EXPECT_EQ(s.At(100, 21).Code, kHitCaption);
  EXPECT_EQ(s.At(100, 22).Code, kHitClient);
  // Outside the window nothing is hit.
  EXPECT_EQ(s.At(-1, 10).Code, kHitNowhere);
  EXPECT_EQ(s.At(100, 389).Code, kHitNowhere);
}

TEST(FrameHitTest, GripCornerAnswersBottomRight) {
  HitScene s;
  s.In.GripShown = true;
  s.In.GripImageValid = true;
  s.In.GripPosition = Point{340, 372};
  EXPECT_EQ(s.At(341, 373).Code, kHitBottomRight);
  EXPECT_EQ(s.At(341, 373).Hot, int(kHitBottomRight));
  EXPECT_EQ(s.At(340, 380).Code, kHitClient);
  EXPECT_EQ(s.At(345, 372).Code, kHitClient);
  s.In.GripImageValid = false;
  EXPECT_EQ(s.At(341, 373).Code, kHitClient);
}

TEST(FrameHitTest, NcHitTestLeavesPassiveAnswersToThePreviousProcedure) {
  HitScene s;
  s.In.ThickFrame = true;
  const auto answer = [&](int x, int y, bool bar = true) { return AnswerNcHitTest(Point{x, y}, s.In, s.Buttons, bar); };
  for (const Point p : {Point{100, 10}, Point{100, 30}, Point{100, 100}, Point{-5, -5}}) {
    const TsNcHitAnswer a = answer(p.X, p.Y);
    EXPECT_TRUE(a.AskPrevious);
    EXPECT_EQ(a.Hot, 0);
  }
  const TsNcHitAnswer close = answer(320, 10);
  EXPECT_FALSE(close.AskPrevious);
  EXPECT_EQ(close.Code, kHitClose);
  EXPECT_EQ(close.Hot, int(kHitClose));
  EXPECT_EQ(answer(10, 10).Code, kHitSysMenu);
  EXPECT_FALSE(answer(10, 10).AskPrevious);
  EXPECT_EQ(answer(0, 200).Hot, -1);
  const TsNcHitAnswer noBar = answer(320, 10, false);
  EXPECT_TRUE(noBar.AskPrevious);
  EXPECT_FALSE(noBar.Hot.has_value());
}

}  // namespace
}  // namespace wakespan
