#include "skin/win32/frame/BlindWindow.h"

#include "skin/win32/frame/OverlayClass.h"

namespace wakespan {

namespace {

constexpr wchar_t kBlindClass[] = L"WakespanCaptionBlind";

LRESULT CALLBACK BlindProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      ValidateRect(window, nullptr);  // paints nothing: the old pixels stay on screen
      return 0;
    case WM_NCHITTEST: return HTTRANSPARENT;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

void BlindWindow::Cover(HWND form, int height) {
  Uncover();
  RECT r{};
  GetWindowRect(form, &r);
  if (height <= 0 || r.right <= r.left) return;
  RegisterOverlayClass(kBlindClass, &BlindProc);
  const bool topmost = (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  blind_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0), kBlindClass, L"",
                           WS_POPUP, r.left, r.top, r.right - r.left, height, form, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  if (!blind_) return;
  // Just above the form: the window above it in z-order is the one the blind goes below.
  HWND above = GetWindow(form, GW_HWNDPREV);
  SetWindowPos(blind_, above ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER |
                   SWP_NOSENDCHANGING);
}

void BlindWindow::Uncover() {
  if (blind_) DestroyWindow(blind_);
  blind_ = nullptr;
}

}  // namespace wakespan
