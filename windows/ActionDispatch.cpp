#include "windows/ActionDispatch.h"

#include "platform/gui/Dialogs.h"
#include "platform/win32/WideText.h"
#include "schedule/Dispatch.h"
#include "windows/CountDown.h"
#include "windows/Forms.h"
#include "windows/Main.h"
#include "windows/Services.h"

namespace action_dispatch {

namespace {

class WindowsTarget : public schedule::DispatchTarget {
 public:
  bool CountdownWindowExists() override { return CountDownform != nullptr; }
  void StartCountdown(schedule::ActionCode action) override { CountDownform->Start(action); }
  bool ShutDown(schedule::ActionCode action) override { return Mainform->ShutDown(action); }
  void ShowInformation(const platform::Text& text) override { gui::ShowInformation(platform::Wide(text)); }
  void ShowError(const platform::Text& text) override { gui::ShowErrorMessage(platform::Wide(text)); }
};

}  // namespace

void CheckTrigger(const platform::Text& triggerText, const platform::Text& clockText) {
  WindowsTarget target;
  schedule::CheckTrigger(triggerText, clockText, services::Registry(), target);
}

}  // namespace action_dispatch
