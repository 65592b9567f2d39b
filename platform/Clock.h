#pragma once
// The two clocks the triggers compare against: local wall-clock time and the
// millisecond count since the system started.
#include <cstdint>

namespace platform {

struct LocalTime {
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  // Milliseconds since system start; wraps to 0 after 2^32 - 1.
  virtual uint32_t TickCount() = 0;
};

// A clock that shows whatever the test sets.
class ManualClock : public Clock {
 public:
  LocalTime Now() override { return now; }
  uint32_t TickCount() override { return tick; }
  LocalTime now;
  uint32_t tick = 0;
};

}  // namespace platform
