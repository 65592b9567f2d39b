#pragma once
// The tray icon's hint: the five lines the running-time window builds each
// second.
#include "platform/Text.h"

namespace schedule {

// "Kovalune Wakespan v1.0", then the running time with the text of
// ActionWakespan, then the local time with the text of ActionTime, each line
// with its label, joined by CR LF, no break after the last.
platform::Text BuildTrayHint(const platform::Text& runningTime, const platform::Text& actionWakespan,
                             const platform::Text& localTime, const platform::Text& actionTime);

}  // namespace schedule
