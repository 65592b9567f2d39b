// The idle baseline of scripts/bench-idle.sh: the smallest program that does
// what an idle Wakespan does once a second. One window of class
// "WakespanIdleTimer" with one static label; a 1000 ms timer writes the
// seconds since start into the label, which repaints it. Runs until closed.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTimerId = 1;
HWND label = nullptr;
UINT ticks = 0;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      wchar_t text[32];
      swprintf(text, 32, L"%u", ++ticks);
      SetWindowTextW(label, text);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(hwnd, kTimerId);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"WakespanIdleTimer";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"Idle timer", WS_POPUP, 0, 0, 52, 68,
                              nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  label = CreateWindowExW(0, L"STATIC", L"0", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 52, 14,
                          hwnd, nullptr, instance, nullptr);
  SetTimer(hwnd, kTimerId, 1000, nullptr);
  ShowWindow(hwnd, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
