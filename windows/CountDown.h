#pragma once
// The countdown window: ten seconds of warning with a progress bar and Cancel
// before the stored action runs.
#include "platform/gui/GraphicControls.h"
#include "platform/gui/StdControls.h"
#include "platform/gui/Timer.h"
#include "schedule/Countdown.h"
#include "windows/FixedForm.h"

class TCountDownform : public FixedForm, private schedule::CountdownView {
 public:
  TCountDownform();
  bool InitializeThis() override;

  // Starts, or restarts from the beginning, the countdown for an action.
  void Start(schedule::ActionCode action) { countdown_.Start(action); }
  // Stops the countdown without acting.
  void CancelbtnClick() { countdown_.Cancel(); }

  gui::Label* Label1;
  gui::ProgressBar* ProgressBar1;
  gui::BitBtn* Cancelbtn;
  gui::Timer* Timer1;

 private:
  void FormCreate();
  // The countdown's view of this window.
  void SetLabel(const platform::Text& text) override;
  void SetBarMaximum(int maximum) override;
  void SetBarPosition(int position) override;
  void EnableTimer() override;
  void DisableTimer() override;
  void ShowCentredOnTop() override;
  void Close() override;
  bool RunAction(schedule::ActionCode action) override;
  void ShowInformation(const platform::Text& text) override;

  schedule::Countdown countdown_{*this};
};
