#include "schedule/TrayHint.h"

namespace schedule {

platform::Text BuildTrayHint(const platform::Text& runningTime, const platform::Text& actionWakespan,
                             const platform::Text& localTime, const platform::Text& actionTime) {
  const platform::Text lineBreak = u"\r\n";
  return u"Kovalune Wakespan v1.0" + lineBreak +
         u"Wakespan: " + runningTime + lineBreak +
         u"Execute Action At: " + actionWakespan + lineBreak +
         u"Local Time: " + localTime + lineBreak +
         u"Execute Action At: " + actionTime;
}

}  // namespace schedule
