#include "schedule/Dispatch.h"

#include <exception>

#include "schedule/PowerActions.h"
#include "schedule/SettingsStore.h"

namespace schedule {

bool ExecuteThisAction(platform::RegistryBackend& registry, DispatchTarget& target) {
  try {
    const std::optional<DispatchSettings> settings = ReadDispatchSettings(registry);
    if (settings && settings->countDown) {
      // During start-up the countdown window is not made yet: the dispatch fails.
      if (!target.CountdownWindowExists()) return false;
      target.StartCountdown(settings->action);
    } else if (!target.ShutDown(settings ? settings->action : kActionShutDown)) {
      target.ShowInformation(kCouldNotExecuteAction);
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void CheckTrigger(const platform::Text& triggerText, const platform::Text& clockText,
                  platform::RegistryBackend& registry, DispatchTarget& target) {
  if (!TriggerMatches(triggerText, clockText)) return;
  if (!ReadArmingSwitch(registry)) return;
  if (!ExecuteThisAction(registry, target)) target.ShowError(kErrorExecutingAction);
}

}  // namespace schedule
