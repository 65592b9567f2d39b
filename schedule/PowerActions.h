#pragma once
// ShutDown: carries out one ActionCode at once and reports whether it did.
#include <cstdint>
#include <stdexcept>

#include "platform/Power.h"
#include "platform/Text.h"
#include "schedule/Settings.h"

namespace schedule {

// A tray balloon; it always carries the information icon.
struct Balloon {
  platform::Text title;
  platform::Text text;
  uint32_t timeoutMs;
};

// The do-nothing action's announcement.
inline const Balloon kNothingToDoBalloon{u"ExecuteAction", u"No Action to do...", 3000};

// What the dispatch and the countdown report when ShutDown returns false.
inline const platform::Text kCouldNotExecuteAction = u"Could not execute Action";

// What the actions need of the windows.
class ActionSink {
 public:
  virtual ~ActionSink() = default;
  // The framework's Terminate: asks the message loop to end, returns at once.
  virtual void Terminate() = 0;
  // False while the program is starting and the countdown window is not made yet.
  virtual bool CountdownWindowExists() = 0;
  // The countdown window's Cancel handler (CancelbtnClick).
  virtual void CancelCountdown() = 0;
  virtual void ShowBalloon(const Balloon& balloon) = 0;
};

// Raised by an action that needs a window that does not exist yet.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PowerActions {
 public:
  PowerActions(platform::Power& power, ActionSink& sink) : power_(power), sink_(sink) {}

  // Enables the shutdown privilege (its outcome is ignored: the action is
  // attempted anyway), then: 0 and every unknown code shut down, 1 reboots,
  // 2 logs off, all three forced; 3 terminates the program; 4 cancels the
  // countdown and shows the balloon; 5 hibernates. True when the action was
  // carried out or started. Throws ActionError for 4 before the countdown
  // window exists.
  bool ShutDown(ActionCode action);

 private:
  bool Hibernate(bool hibernate, bool forceCritical, bool disableWakeEvent);

  platform::Power& power_;
  ActionSink& sink_;
  // SetSuspendState is looked up until one lookup finds it, then kept.
  bool suspendStateFound_ = false;
};

}  // namespace schedule
