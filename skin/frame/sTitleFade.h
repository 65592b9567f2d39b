// The fade of a title button's hot or pressed look: the level arithmetic
// of the small layered window shown above the button, ticked every 12 ms.
// Each call says what the Win32 side must do with that window; it keeps
// its timer running exactly while TimerEnabled() is true.
#pragma once

#include <optional>

#include "skin/pixels/Geometry.h"

namespace wakespan {

inline constexpr int kFadeIntervalMs = 12;

// What to do, in this order: make the image anew (the pressed look), put
// the image on the window with constant alpha Alpha (making image and
// window when missing), check whether the pointer left the button, free
// the window and its image.
struct TsFadeAction {
  bool RemakeImage = false;
  std::optional<int> Alpha;
  bool CheckMouseLeave = false;
  bool Free = false;
};

class TsTitleFade {
 public:
  // A new animation of `steps` steps, its timer off.
  explicit TsTitleFade(int steps) : maxIterations_(steps) {}

  // Starts showing `newState`; nothing when it is shown already.
  TsFadeAction StartAnimation(int newState, bool toUp);
  // Turns an animation under way towards `newState`.
  TsFadeAction Reaim(int newState, int steps, bool up);
  void ChangeState(bool toUp);
  TsFadeAction OnAnimTimer();
  // The pointer left the button: the poll stops until the fade-out starts.
  void StopTimer() { timerEnabled_ = false; }

  // The alpha gained per level; 0 once fully shown (or without steps).
  int Step() const;
  int CurrentLevel() const { return currentLevel_; }
  int CurrentState() const { return currentState_; }
  bool Up() const { return up_; }
  int MaxIterations() const { return maxIterations_; }
  bool TimerEnabled() const { return timerEnabled_; }

 private:
  TsFadeAction Show(int level) const;

  int currentLevel_ = 0;  // 0 invisible
  int currentState_ = 0;  // -1 after a finished fade-out
  bool up_ = false;
  int maxIterations_;  // -1 once a fade-in reached full opacity
  bool timerEnabled_ = false;
};

// Creates the button's animation when it has none, else re-aims it.
TsFadeAction AnimateTitleButton(std::optional<TsTitleFade>& fade, int newState, int steps, bool up);

// The animation window's screen rectangle: the button's place over the
// form window.
Rect GetFormBounds(Point windowTopLeft, const Rect& button);
// Where an image of another size goes: centred on the bounds when its
// width differs, at its own size.
Rect FitBoundsToImage(const Rect& bounds, Size image);

}  // namespace wakespan
