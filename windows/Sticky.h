#pragma once
// The running-time window: red digits of the time since system start above a
// power-button picture, in the top-right corner, with a see-through background.
#include "platform/gui/GraphicControls.h"
#include "platform/gui/Timer.h"
#include "windows/FixedForm.h"

class TStickyform : public FixedForm {
 public:
  TStickyform();
  ~TStickyform() override = default;
  bool InitializeThis() override;

  gui::Label* Label1;
  gui::Image* Image1;
  gui::Timer* Timer1;

 private:
  void FormCreate();
  void Timer1Timer();
  gui::OwnedFont digitsFont_;
};
