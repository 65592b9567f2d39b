#pragma once
#include "platform/Clock.h"

namespace platform {

// Local time from GetLocalTime, the tick count from GetTickCount.
class Win32Clock : public Clock {
 public:
  LocalTime Now() override;
  uint32_t TickCount() override;
};

}  // namespace platform
