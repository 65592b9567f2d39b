#include "skin/frame/sTitleFade.h"

#include <algorithm>

namespace wakespan {

namespace {

constexpr int kOpaque = 255;
constexpr int kPressed = 2;

}  // namespace

int TsTitleFade::Step() const { return maxIterations_ > 0 ? kOpaque / maxIterations_ : 0; }

TsFadeAction TsTitleFade::Show(int level) const {
  TsFadeAction a;
  a.Alpha = std::min(Step() * level, kOpaque);
  return a;
}

TsFadeAction TsTitleFade::StartAnimation(int newState, bool toUp) {
  if (newState == currentState_) return {};
  currentState_ = newState;
  TsFadeAction a;
  if (newState != 0) {
    currentLevel_ = 1;
    up_ = toUp;
    a = Show(1);
    a.RemakeImage = newState == kPressed;
    currentLevel_ = 2;
  } else {
    up_ = false;
    --currentLevel_;
    a = Show(1);
  }
  if (maxIterations_ > 1) timerEnabled_ = true;
  return a;
}

TsFadeAction TsTitleFade::Reaim(int newState, int steps, bool up) {
  TsFadeAction a;
  if (up) {
    // A window still showing another state's look (the pressed one when
    // the pointer comes back to a released button) gets the new look.
    a.RemakeImage = newState != currentState_ && currentState_ > 0;
    currentState_ = newState;
  }
  maxIterations_ = steps;
  up_ = up;
  timerEnabled_ = true;
  if (newState == kPressed) {
    currentLevel_ = steps;
    a.RemakeImage = true;
  }
  return a;
}

void TsTitleFade::ChangeState(bool toUp) {
  up_ = toUp;
  timerEnabled_ = true;
}

TsFadeAction TsTitleFade::OnAnimTimer() {
  if (!timerEnabled_) return {};
  if (up_) {
    if (currentLevel_ < maxIterations_) return Show(currentLevel_++);
    // Fully shown: poll the pointer, showing full opacity the first time.
    TsFadeAction a;
    if (maxIterations_ != -1) {
      maxIterations_ = -1;
      a.Alpha = kOpaque;
    }
    a.CheckMouseLeave = true;
    return a;
  }
  if (currentLevel_ > 0) return Show(currentLevel_--);
  currentState_ = -1;
  timerEnabled_ = false;
  TsFadeAction a;
  a.Free = true;
  return a;
}

TsFadeAction AnimateTitleButton(std::optional<TsTitleFade>& fade, int newState, int steps, bool up) {
  if (fade) return fade->Reaim(newState, steps, up);
  fade.emplace(steps);
  return fade->StartAnimation(newState, true);
}

Rect GetFormBounds(Point windowTopLeft, const Rect& button) {
  const int left = windowTopLeft.X + button.Left, top = windowTopLeft.Y + button.Top;
  return Rect{left, top, left + button.Width(), top + button.Height()};
}

Rect FitBoundsToImage(const Rect& bounds, Size image) {
  int left = bounds.Left, top = bounds.Top;
  if (image.Width != bounds.Width()) {
    left -= (image.Width - bounds.Width()) / 2;
    top -= (image.Height - bounds.Height()) / 2;
  }
  return Rect{left, top, left + image.Width, top + image.Height};
}

}  // namespace wakespan
