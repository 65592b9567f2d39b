#include "schedule/Settings.h"

namespace schedule {

using platform::Text;

Text FlagValueName(Flag flag) {
  switch (flag) {
    case Flag::RunAtStartUp: return u"RunAtStartUp";
    case Flag::CountDown: return u"CountDown";
    case Flag::Protect: return u"Protect";
    case Flag::SetActTime: return u"SetActTime";
  }
  return Text();
}

Text TriggerValueName(Trigger trigger) { return trigger == Trigger::LocalTime ? u"ActionTime" : u"ActionWakespan"; }

}  // namespace schedule
