#include "platform/TrayTip.h"

namespace platform {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

Text CutToLength(const Text& text, size_t maxLength) {
  if (text.size() <= maxLength) return text;
  size_t length = maxLength;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return text.substr(0, length);
}

bool TrayTip::SetHint(const Text& hint) {
  if (hint == hint_) return false;
  hint_ = hint;
  tip_ = CutToLength(hint_, kTipMaxLength);
  return true;
}

}  // namespace platform
