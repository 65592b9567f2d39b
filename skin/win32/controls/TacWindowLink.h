// A window as painting sees it: messages go to it with SendMessageW, and
// its own colour is its form's (the system button face for a window that
// is no framework control).
#pragma once

#include <windows.h>

#include "skin/paint/sControlLinks.h"

namespace wakespan {

class TacWindowLink : public TacControlLink {
 public:
  explicit TacWindowLink(HWND window = nullptr) : window_(window) {}
  void Reset(HWND window) { window_ = window; }
  HWND Window() const { return window_; }

  // A framework control counts as a control, any other window as a window.
  Kind LinkKind() const override;
  intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  TColor OwnColor() const override;

 private:
  HWND window_;
};

// The colour a framework control shows behind its contents: a form's own,
// a control's form's; the button face for other windows.
TColor WindowOwnColor(HWND window);

}  // namespace wakespan
