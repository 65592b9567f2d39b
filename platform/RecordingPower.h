#pragma once
// A power stand-in that performs nothing: it writes every call, with its
// arguments, to a log in call order and fails the calls it is told to fail.
#include <string>
#include <vector>

#include "platform/Power.h"

namespace platform {

class RecordingPower : public Power {
 public:
  bool EnableShutdownPrivilege() override {
    log.push_back("EnableShutdownPrivilege");
    return !privilegeFails;
  }
  bool EndSession(uint32_t flags, uint32_t reason) override {
    log.push_back("ExitWindowsEx(" + std::to_string(flags) + ", " + std::to_string(reason) + ")");
    return !exitWindowsFails;
  }
  bool FindSetSuspendState() override {
    log.push_back("FindSetSuspendState");
    found_ = !setSuspendStateMissing;
    return found_;
  }
  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    log.push_back("SetSuspendState(" + Bit(hibernate) + ", " + Bit(forceCritical) + ", " + Bit(disableWakeEvent) + ")");
    return found_ && !setSuspendStateFails;
  }

  // Other recording stand-ins of a test may write here too, so one log
  // shows the order of all calls.
  std::vector<std::string> log;
  bool privilegeFails = false;
  bool exitWindowsFails = false;
  bool setSuspendStateMissing = false;
  bool setSuspendStateFails = false;

 private:
  static std::string Bit(bool value) { return value ? "1" : "0"; }
  bool found_ = false;
};

}  // namespace platform
