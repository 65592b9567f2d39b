// The title buttons' fade: the alphas shown tick by tick, the pressed look
// and the animation window's bounds.
#include <gtest/gtest.h>

#include <vector>

#include "skin/frame/sTitleFade.h"

namespace wakespan {
namespace {

// The alphas of `ticks` timer ticks (-1 for a tick that shows nothing).
std::vector<int> Alphas(TsTitleFade& fade, int ticks) {
  std::vector<int> out;
  for (int i = 0; i < ticks; ++i) out.push_back(fade.OnAnimTimer().Alpha.value_or(-1));
  return out;
}

TEST(TitleFade, HoverFadesInThenPollsAndLeavingFadesOut) {
  std::optional<TsTitleFade> fade;
  const TsFadeAction first = AnimateTitleButton(fade, 1, 10, true);
  EXPECT_EQ(first.Alpha, 25);  // at once
  EXPECT_FALSE(first.RemakeImage);
  EXPECT_TRUE(fade->TimerEnabled());
  EXPECT_EQ(Alphas(*fade, 8), (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225}));
  const TsFadeAction ninth = fade->OnAnimTimer();
  EXPECT_EQ(ninth.Alpha, 255);
  EXPECT_TRUE(ninth.CheckMouseLeave);
  EXPECT_EQ(fade->MaxIterations(), -1);
  const TsFadeAction polling = fade->OnAnimTimer();
  EXPECT_FALSE(polling.Alpha.has_value());
  EXPECT_TRUE(polling.CheckMouseLeave);
  EXPECT_TRUE(fade->TimerEnabled());

  // The pointer left: the poll stops, the hot code goes back to 0.
  fade->StopTimer();
  EXPECT_FALSE(fade->OnAnimTimer().CheckMouseLeave);
  const TsFadeAction leave = AnimateTitleButton(fade, 0, 10, false);
  EXPECT_FALSE(leave.Alpha.has_value());
  EXPECT_EQ(Alphas(*fade, 10), (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25}));
  const TsFadeAction last = fade->OnAnimTimer();
  EXPECT_TRUE(last.Free);
  EXPECT_FALSE(last.Alpha.has_value());
  EXPECT_FALSE(fade->TimerEnabled());
  EXPECT_EQ(fade->CurrentState(), -1);
}

TEST(TitleFade, LeavingHalfWayFadesOutFromTheLevelReachedAndComesBack) {
  std::optional<TsTitleFade> fade;
  AnimateTitleButton(fade, 1, 10, true);
  Alphas(*fade, 3);  // 50, 75, 100
  AnimateTitleButton(fade, 0, 10, false);
  EXPECT_EQ(Alphas(*fade, 2), (std::vector<int>{125, 100}));
  AnimateTitleButton(fade, 1, 10, true);
  EXPECT_EQ(Alphas(*fade, 2), (std::vector<int>{75, 100}));
  EXPECT_EQ(fade->CurrentState(), 1);
}

TEST(TitleFade, APressShowsThePressedImageAtFullOpacity) {
  // Without an animation: at once, and nothing left to tick.
  std::optional<TsTitleFade> fresh;
  const TsFadeAction a = AnimateTitleButton(fresh, 2, 1, true);
  EXPECT_TRUE(a.RemakeImage);
  EXPECT_EQ(a.Alpha, 255);
  EXPECT_FALSE(fresh->TimerEnabled());

  // Over a hot button: a new image now, full opacity on the next tick.
  std::optional<TsTitleFade> fade;
  AnimateTitleButton(fade, 1, 10, true);
  Alphas(*fade, 12);
  const TsFadeAction press = AnimateTitleButton(fade, 2, 1, true);
  EXPECT_TRUE(press.RemakeImage);
  EXPECT_FALSE(press.Alpha.has_value());
  const TsFadeAction tick = fade->OnAnimTimer();
  EXPECT_EQ(tick.Alpha, 255);
  EXPECT_TRUE(tick.CheckMouseLeave);
  // Off the button and back while the pressed look fades: the hot look
  // replaces it.
  AnimateTitleButton(fade, 0, 10, false);
  fade->OnAnimTimer();
  EXPECT_TRUE(AnimateTitleButton(fade, 1, 10, true).RemakeImage);
}

TEST(TitleFade, StepsAndStarts) {
  EXPECT_EQ(TsTitleFade(10).Step(), 25);
  EXPECT_EQ(TsTitleFade(1).Step(), 255);
  EXPECT_EQ(TsTitleFade(0).Step(), 0);  // no division by zero
  EXPECT_EQ(TsTitleFade(-1).Step(), 0);
  // A button going back to normal with no animation has nothing to show.
  std::optional<TsTitleFade> fade;
  const TsFadeAction a = AnimateTitleButton(fade, 0, 10, false);
  EXPECT_FALSE(a.Alpha.has_value());
  EXPECT_FALSE(fade->TimerEnabled());
  EXPECT_FALSE(fade->OnAnimTimer().Alpha.has_value());
  // Starting the state already shown does nothing.
  TsTitleFade f(10);
  f.StartAnimation(1, true);
  EXPECT_FALSE(f.StartAnimation(1, true).Alpha.has_value());
  EXPECT_EQ(f.CurrentLevel(), 2);
}

TEST(TitleFade, WindowBoundsOverTheButton) {
  const Rect b = GetFormBounds(Point{100, 50}, Rect{310, 1, 353, 21});
  EXPECT_EQ(b, (Rect{410, 51, 453, 71}));
  EXPECT_EQ(FitBoundsToImage(b, Size{43, 20}), b);
  // A wider image is centred on the button.
  EXPECT_EQ(FitBoundsToImage(b, Size{53, 30}), (Rect{405, 46, 458, 76}));
  // Only a width difference moves it.
  EXPECT_EQ(FitBoundsToImage(b, Size{43, 30}), (Rect{410, 51, 453, 81}));
}

}  // namespace
}  // namespace wakespan
