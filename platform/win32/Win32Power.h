#pragma once
#include "platform/Power.h"

namespace platform {

// The power calls of advapi32, user32 and powrprof. SetSuspendState is
// resolved at run time, so the program starts on systems without it.
class Win32Power : public Power {
 public:
  bool EnableShutdownPrivilege() override;
  bool EndSession(uint32_t flags, uint32_t reason) override;
  bool FindSetSuspendState() override;
  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override;

 private:
  // The address GetProcAddress gave, null until a lookup found it.
  void* setSuspendState_ = nullptr;
};

}  // namespace platform
