#include "schedule/TrayHint.h"

namespace schedule {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

platform::Text CutToLength(const platform::Text& text, size_t maxLength) {
  if (text.size() <= maxLength) return text;
  size_t length = maxLength;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return text.substr(0, length);
}

platform::Text BuildTrayHint(const platform::Text& runningTime, const platform::Text& actionWakespan,
                             const platform::Text& localTime, const platform::Text& actionTime) {
  const platform::Text lineBreak = u"\r\n";
  return u"Kovalune Wakespan v1.0" + lineBreak +
         u"Wakespan: " + runningTime + lineBreak +
         u"Execute Action At: " + actionWakespan + lineBreak +
         u"Local Time: " + localTime + lineBreak +
         u"Execute Action At: " + actionTime;
}

bool TrayTip::SetHint(const platform::Text& hint) {
  if (hint == hint_) return false;
  hint_ = hint;
  tip_ = CutToLength(hint_, kTipMaxLength);
  return true;
}

}  // namespace schedule
