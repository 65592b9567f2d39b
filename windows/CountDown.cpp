#include "windows/CountDown.h"

#include "windows/Forms.h"

TCountDownform* CountDownform = nullptr;

namespace {

gui::FormLayout CountDownformLayout() {
  gui::FormLayout layout{L"TCountDownform", L"CountDownform", L"CountDownform"};
  layout.border = gui::BorderStyle::Dialog;
  layout.borderIcons = false;
  layout.clientWidth = 348;
  layout.clientHeight = 92;
  return layout;
}

}  // namespace

TCountDownform::TCountDownform() : FixedForm(CountDownformLayout()) {
  Timer1 = Make<gui::Timer>(L"Timer1", 1000, false);
  MakeDragHandle(*this);
  OnCreate = [this] { FormCreate(); };
}

void TCountDownform::FormCreate() {
  Timer1->SetEnabled(false);
  InitializeOrTerminate();
}

bool TCountDownform::InitializeThis() {
  try {
    SetCaption(L"CountDown...");
    RequestCentre();
    SetConstraints({354, 119, 354, 119});
    return true;
  } catch (...) {
    return false;
  }
}
