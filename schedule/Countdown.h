#pragma once
// The ten-second countdown before an action: its counter, labels and bar,
// Cancel, and the close permission of its window.
#include <cstdint>

#include "platform/Text.h"
#include "schedule/Settings.h"

namespace schedule {

constexpr int kCountdownBarMaximum = 10;
// The counter value of the last tick, the one that runs the action.
constexpr int32_t kCountdownLastTick = 10;

// "Shutting Down in: " and the others, by ActionCode; unknown codes as 0.
platform::Text CountdownLabelPrefix(ActionCode action);
// The prefix, the seconds left and " Seconds": "Rebooting in: 7 Seconds".
platform::Text CountdownLabel(ActionCode action, int32_t secondsLeft);

// The countdown window as the countdown drives it.
class CountdownView {
 public:
  virtual ~CountdownView() = default;
  virtual void SetLabel(const platform::Text& text) = 0;
  virtual void SetBarMaximum(int maximum) = 0;
  // Positions beyond the maximum show a full bar.
  virtual void SetBarPosition(int position) = 0;
  // Starts the 1000 ms timer; a running timer keeps its rhythm.
  virtual void EnableTimer() = 0;
  virtual void DisableTimer() = 0;
  // Centres the window on the screen, makes it topmost and shows it (its
  // show handler then focuses Cancel).
  virtual void ShowCentredOnTop() = 0;
  // A close request through the window's close query (Countdown::CloseQuery);
  // when granted the window hides.
  virtual void Close() = 0;
  // ShutDown with this code.
  virtual bool RunAction(ActionCode action) = 0;
  // A modal information dialog with one OK button.
  virtual void ShowInformation(const platform::Text& text) = 0;
};

class Countdown {
 public:
  explicit Countdown(CountdownView& view) : view_(view) {}

  // Starts, or restarts from the beginning, a countdown for this action. The
  // label keeps its text until the first tick.
  void Start(ActionCode action);
  // One 1000 ms tick; the eleventh after the start runs the action.
  void Tick();
  // Stops the countdown without acting (CancelbtnClick).
  void Cancel();
  // Whether the window may close: refused until the first Cancel or the
  // first finished countdown, granted ever after.
  bool CloseQuery() const { return closePermitted_; }

  int32_t Counter() const { return counter_; }
  ActionCode Action() const { return action_; }

 private:
  void Finish();

  CountdownView& view_;
  int32_t counter_ = -1;
  ActionCode action_ = kActionShutDown;
  bool closePermitted_ = false;
};

}  // namespace schedule
