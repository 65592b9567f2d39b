#pragma once
// The two clock texts the triggers compare, character for character, with what
// the user typed. Their exact form is what users learn to type.
#include <cstdint>

#include "platform/Clock.h"
#include "platform/Text.h"

namespace schedule {

// "H:M:S" without zero padding: 09:05:03 gives "9:5:3".
platform::Text LocalTimeText(const platform::LocalTime& time);

// "HH:MM:SS" from a millisecond tick count, every part padded to two digits
// and hours unbounded: 4294967295 gives "1193:02:47". Milliseconds are
// dropped, never rounded; the count is unsigned throughout.
platform::Text RunningTimeText(uint32_t tickMs);

}  // namespace schedule
