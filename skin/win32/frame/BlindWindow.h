// A window that never paints, laid over a form's header while the system
// draws its own caption underneath, so that the screen keeps showing the
// skinned one until the provider repaints it.
#pragma once

#include <windows.h>

namespace wakespan {

class BlindWindow {
 public:
  BlindWindow() = default;
  ~BlindWindow() { Uncover(); }
  BlindWindow(const BlindWindow&) = delete;
  BlindWindow& operator=(const BlindWindow&) = delete;

  // Covers `height` pixels of the top of `form`, just above it in z-order,
  // without activating or painting anything.
  void Cover(HWND form, int height);
  void Uncover();

 private:
  HWND blind_ = nullptr;
};

}  // namespace wakespan
