#include "schedule/ClockTexts.h"

#include <string>

namespace schedule {

namespace {

platform::Text Decimal(uint32_t n) {
  std::string digits = std::to_string(n);
  return platform::Text(digits.begin(), digits.end());
}

platform::Text TwoDigits(uint32_t n) {
  platform::Text text = Decimal(n);
  if (n < 10) text.insert(text.begin(), u'0');
  return text;
}

}  // namespace

platform::Text LocalTimeText(const platform::LocalTime& time) {
  auto part = [](int n) { return Decimal(static_cast<uint32_t>(n < 0 ? 0 : n)); };
  return part(time.hour) + u":" + part(time.minute) + u":" + part(time.second);
}

platform::Text RunningTimeText(uint32_t tickMs) {
  const uint32_t seconds = tickMs / 1000;
  return TwoDigits(seconds / 3600) + u":" + TwoDigits(seconds / 60 % 60) + u":" + TwoDigits(seconds % 60);
}

}  // namespace schedule
