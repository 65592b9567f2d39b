#include "schedule/Countdown.h"

#include <string>

#include "schedule/PowerActions.h"

namespace schedule {

platform::Text CountdownLabelPrefix(ActionCode action) {
  static const char16_t* const kPrefixes[kActionCount] = {
      u"Shutting Down in: ", u"Rebooting in: ",       u"Logging off in: ",
      u"Closing Application in: ", u"No Action to do in: ", u"Hibernate in: ",
  };
  return kPrefixes[KnownAction(action)];
}

platform::Text CountdownLabel(ActionCode action, int32_t secondsLeft) {
  const std::string digits = std::to_string(secondsLeft);
  return CountdownLabelPrefix(action) + platform::Text(digits.begin(), digits.end()) + u" Seconds";
}

void Countdown::Start(ActionCode action) {
  counter_ = -1;
  action_ = action;
  view_.SetBarPosition(0);
  view_.EnableTimer();
  view_.ShowCentredOnTop();
}

void Countdown::Tick() {
  ++counter_;
  view_.SetBarMaximum(kCountdownBarMaximum);
  view_.SetBarPosition(counter_ + 1);
  view_.SetLabel(CountdownLabel(action_, kCountdownLastTick - counter_));
  if (counter_ == kCountdownLastTick) Finish();
}

void Countdown::Finish() {
  view_.DisableTimer();
  view_.SetLabel(u"");
  if (!view_.RunAction(action_)) view_.ShowInformation(kCouldNotExecuteAction);
  closePermitted_ = true;
  view_.Close();
}

void Countdown::Cancel() {
  view_.DisableTimer();
  view_.SetLabel(u"");
  closePermitted_ = true;
  view_.Close();
}

}  // namespace schedule
