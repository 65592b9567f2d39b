#pragma once
// The two triggers and the action dispatch. A trigger fires when its typed
// text equals the clock text and the stored arming switch is set; the
// dispatch then starts the countdown or runs the stored action at once.
#include "platform/RegistryBackend.h"
#include "platform/Text.h"
#include "schedule/Settings.h"

namespace schedule {

inline const platform::Text kErrorExecutingAction = u"There was an error executing Action";

// The windows as the dispatch uses them.
class DispatchTarget {
 public:
  virtual ~DispatchTarget() = default;
  // False while the program is starting and the countdown window is not made yet.
  virtual bool CountdownWindowExists() = 0;
  // Countdown::Start on the countdown window.
  virtual void StartCountdown(ActionCode action) = 0;
  // PowerActions::ShutDown; may raise ActionError.
  virtual bool ShutDown(ActionCode action) = 0;
  // Modal dialogs with one OK button.
  virtual void ShowInformation(const platform::Text& text) = 0;
  virtual void ShowError(const platform::Text& text) = 0;
};

// Ordinal, case-sensitive, whole-text equality: nothing trimmed or normalised.
inline bool TriggerMatches(const platform::Text& triggerText, const platform::Text& clockText) {
  return triggerText == clockText;
}

// ExecuteThisAction: reads "CountDown" and "Action"; starts the countdown
// when the switch is set, or runs the action at once and reports a failed
// one; runs a shut-down when the values cannot be read. False when an error
// was raised on the way (the action was then not started).
bool ExecuteThisAction(platform::RegistryBackend& registry, DispatchTarget& target);

// One check of a trigger, the local-time one every 500 ms with the text of
// ActionTime and the local-time text, the running-time one every second with
// the text of ActionWakespan and the running-time text. On a match reads the
// arming switch and dispatches when it is set, reporting a failed dispatch.
// An unreadable arming switch raises platform::RegistryError, which the
// caller leaves to the framework's error report.
void CheckTrigger(const platform::Text& triggerText, const platform::Text& clockText,
                  platform::RegistryBackend& registry, DispatchTarget& target);

}  // namespace schedule
