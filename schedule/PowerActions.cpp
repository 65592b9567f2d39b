#include "schedule/PowerActions.h"

namespace schedule {

namespace {

// The forced session end each session-ending code asks for.
uint32_t SessionEndFlags(ActionCode action) {
  switch (action) {
    case kActionReboot: return platform::kExitReboot | platform::kExitForce;
    case kActionLogOff: return platform::kExitLogOff | platform::kExitForce;
    default: return platform::kExitShutDown | platform::kExitForce;
  }
}

}  // namespace

bool PowerActions::ShutDown(ActionCode action) {
  power_.EnableShutdownPrivilege();
  const ActionCode known = KnownAction(action);
  switch (known) {
    case kActionClose:
      sink_.Terminate();
      return true;
    case kActionNothing:
      if (!sink_.CountdownWindowExists()) throw ActionError("The countdown window does not exist yet");
      sink_.CancelCountdown();
      sink_.ShowBalloon(kNothingToDoBalloon);
      return true;
    case kActionHibernate:
      return Hibernate(true, false, false);
    default:
      return power_.EndSession(SessionEndFlags(known), 0);
  }
}

bool PowerActions::Hibernate(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  if (!suspendStateFound_) suspendStateFound_ = power_.FindSetSuspendState();
  if (!suspendStateFound_) return false;
  return power_.SetSuspendState(hibernate, forceCritical, disableWakeEvent);
}

}  // namespace schedule
