#pragma once
// The windows as the trigger checks and the action dispatch reach them.
#include "platform/Text.h"

namespace action_dispatch {

// One trigger check: fires the stored action when the typed text equals the
// clock text and the stored arming switch is set.
void CheckTrigger(const platform::Text& triggerText, const platform::Text& clockText);

}  // namespace action_dispatch
