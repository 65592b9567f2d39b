#pragma once
// The power and session calls of the operating system, one method per call,
// so the actions built on them can be checked call by call without ending a
// session.
#include <cstdint>

namespace platform {

// ExitWindowsEx flags, valued as Windows values them.
constexpr uint32_t kExitLogOff = 0;
constexpr uint32_t kExitShutDown = 1;
constexpr uint32_t kExitReboot = 2;
constexpr uint32_t kExitForce = 4;

class Power {
 public:
  virtual ~Power() = default;
  // Opens this process's token, looks up "SeShutdownPrivilege" and enables it.
  // True when all three steps succeeded.
  virtual bool EnableShutdownPrivilege() = 0;
  // ExitWindowsEx with these flags and reason: true when it returned non-zero.
  virtual bool EndSession(uint32_t flags, uint32_t reason) = 0;
  // Looks SetSuspendState up in "POWRPROF.dll", loading the library when it
  // is not loaded yet, and keeps what it found (nothing when it failed).
  // True when found. The library stays loaded.
  virtual bool FindSetSuspendState() = 0;
  // Calls the function the last lookup found: true when it returned non-zero,
  // false when there is none.
  virtual bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
};

}  // namespace platform
