#pragma once
// The tray icon's hint: the five lines the running-time window builds each
// second, and the rule by which the icon's tip follows it.
#include <cstddef>

#include "platform/Text.h"

namespace schedule {

// What the notification area holds, in UTF-16 code units, terminator excluded.
constexpr size_t kTipMaxLength = 127;
constexpr size_t kBalloonTitleMaxLength = 63;
constexpr size_t kBalloonTextMaxLength = 255;

// The first maxLength code units of text. A surrogate pair that would be cut
// in half is dropped whole, so the result is never left with half a character.
platform::Text CutToLength(const platform::Text& text, size_t maxLength);

// "Kovalune Wakespan v1.0", then the running time with the text of
// ActionWakespan, then the local time with the text of ActionTime, each line
// with its label, joined by CR LF, no break after the last.
platform::Text BuildTrayHint(const platform::Text& runningTime, const platform::Text& actionWakespan,
                             const platform::Text& localTime, const platform::Text& actionTime);

// The tray icon's hint and tip, starting empty.
class TrayTip {
 public:
  // Takes a new hint. False when it equals the current one: nothing changed
  // and the icon is left alone. Otherwise the icon must be updated with Tip()
  // and the tip flag.
  bool SetHint(const platform::Text& hint);
  const platform::Text& Hint() const { return hint_; }
  // The hint cut for the notification area.
  const platform::Text& Tip() const { return tip_; }
  // Whether the icon shows a tip at all: exactly when the hint is not empty.
  bool HasTip() const { return !hint_.empty(); }

 private:
  platform::Text hint_;
  platform::Text tip_;
};

}  // namespace schedule
