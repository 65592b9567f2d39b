#pragma once
// The persisted settings: names, the action codes and the working copy held by
// the settings window's controls.
#include <cstdint>
#include <optional>

#include "platform/Text.h"

namespace schedule {

// 0 shut down, 1 reboot, 2 log off, 3 close application, 4 do nothing,
// 5 hibernate. Every other value behaves as 0.
using ActionCode = int32_t;
constexpr ActionCode kActionShutDown = 0;
constexpr ActionCode kActionReboot = 1;
constexpr ActionCode kActionLogOff = 2;
constexpr ActionCode kActionClose = 3;
constexpr ActionCode kActionNothing = 4;
constexpr ActionCode kActionHibernate = 5;
constexpr int kActionCount = 6;

inline ActionCode KnownAction(ActionCode code) { return code >= 0 && code < kActionCount ? code : kActionShutDown; }

// The four stored switches, in the order they are read and written.
enum class Flag { RunAtStartUp, CountDown, Protect, SetActTime };
enum class Trigger { LocalTime, RunningTime };

inline const platform::Text kSettingsKey = u"Software\\Kovalune";
inline const platform::Text kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const platform::Text kRunValue = u"Wakespan";
inline const platform::Text kActionValue = u"Action";
platform::Text FlagValueName(Flag flag);
platform::Text TriggerValueName(Trigger trigger);

// The settings window as the store sees it. Changing a control runs the
// window's change handler, as a user's change would.
class SettingsControls {
 public:
  virtual ~SettingsControls() = default;
  virtual bool IsChecked(Flag flag) const = 0;
  virtual void SetChecked(Flag flag, bool checked) = 0;
  virtual platform::Text TriggerText(Trigger trigger) const = 0;
  virtual void SetTriggerText(Trigger trigger, const platform::Text& text) = 0;
  // Enables or disables the running-time edit, then the local-time edit.
  virtual void SetTriggerEditsEnabled(bool enabled) = 0;
  // The code of the first checked radio button in code order, if any.
  virtual std::optional<ActionCode> CheckedAction() const = 0;
  // Selects the radio button of a code from 0 to 5.
  virtual void SelectAction(ActionCode code) = 0;
  virtual void DisableApply() = 0;
};

}  // namespace schedule
