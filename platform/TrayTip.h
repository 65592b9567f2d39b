#pragma once
// The notification-area tip that follows a tray icon's hint: an equal hint
// changes nothing, a new one is cut to what the notification area holds.
#include <cstddef>

#include "platform/Text.h"

namespace platform {

// What the notification area holds, in UTF-16 code units, terminator excluded.
constexpr size_t kTipMaxLength = 127;
constexpr size_t kBalloonTitleMaxLength = 63;
constexpr size_t kBalloonTextMaxLength = 255;

// The first maxLength code units of text. A surrogate pair that would be cut
// in half is dropped whole, so the result is never left with half a character.
Text CutToLength(const Text& text, size_t maxLength);

// A tray icon's hint and tip, starting empty.
class TrayTip {
 public:
  // Takes a new hint. False when it equals the current one: nothing changed
  // and the icon is left alone. Otherwise the icon must be updated with Tip()
  // and the tip flag.
  bool SetHint(const Text& hint);
  const Text& Hint() const { return hint_; }
  // The hint cut for the notification area.
  const Text& Tip() const { return tip_; }
  // Whether the icon shows a tip at all: exactly when the hint is not empty.
  bool HasTip() const { return !hint_.empty(); }

 private:
  Text hint_;
  Text tip_;
};

}  // namespace platform
