#pragma once
// The countdown window that warns for ten seconds before the action.
#include "platform/gui/Timer.h"
#include "windows/FixedForm.h"

class TCountDownform : public FixedForm {
 public:
  TCountDownform();
  bool InitializeThis() override;

  gui::Timer* Timer1;

 private:
  void FormCreate();
};
