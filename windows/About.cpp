#include "windows/About.h"

#include "windows/Forms.h"

TAboutform* Aboutform = nullptr;

namespace {

gui::FormLayout AboutformLayout() {
  gui::FormLayout layout{L"TAboutform", L"Aboutform", L"Aboutform"};
  layout.border = gui::BorderStyle::Dialog;
  layout.clientWidth = 359;
  layout.clientHeight = 132;
  return layout;
}

}  // namespace

TAboutform::TAboutform() : FixedForm(AboutformLayout()) {
  MakeDragHandle(*this);
  OnCreate = [this] { InitializeOrTerminate(); };
}

bool TAboutform::InitializeThis() {
  try {
    SetCaption(L"About...");
    RequestCentre();
    SetConstraints({365, 159, 365, 159});
    return true;
  } catch (...) {
    return false;
  }
}
