#include "skin/win32/controls/TacWindowLink.h"

#include "platform/gui/Form.h"

namespace wakespan {

TacControlLink::Kind TacWindowLink::LinkKind() const {
  return gui::WinControl::FromHandle(window_) ? Kind::Control : Kind::Window;
}

intptr_t TacWindowLink::Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return window_ ? intptr_t(SendMessageW(window_, message, WPARAM(wParam), LPARAM(lParam))) : 0;
}

TColor TacWindowLink::OwnColor() const { return WindowOwnColor(window_); }

TColor WindowOwnColor(HWND window) {
  gui::WinControl* control = gui::WinControl::FromHandle(window);
  if (auto* form = dynamic_cast<gui::Form*>(control)) return TColor(form->Color());
  if (control && control->Owner()) return TColor(control->Owner()->Color());
  return TColor(0xFF000000 | COLOR_BTNFACE);
}

}  // namespace wakespan
