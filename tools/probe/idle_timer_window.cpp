// The idle baseline of scripts/bench-idle.sh: the smallest program that
// makes the calls an idle Wakespan makes. One see-through window of class
// "WakespanIdleTimer" (layered, its olive background the colour key, as the
// running-time window is) with one static label in red and a tray icon: a
// 1000 ms timer writes the seconds since start into the label, which
// repaints it, and into the icon's tip; a 500 ms timer reads and formats the
// local time, as the trigger check does. Runs until closed.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kClockTimerId = 2;
constexpr COLORREF kOlive = RGB(128, 128, 0);
HBRUSH background = nullptr;
HWND label = nullptr;
UINT ticks = 0;
NOTIFYICONDATAW icon{};
wchar_t clockText[32];

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      if (wParam == kClockTimerId) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        swprintf(clockText, 32, L"%u:%u:%u", now.wHour, now.wMinute, now.wSecond);
        return 0;
      }
      wchar_t text[32];
      swprintf(text, 32, L"%u", ++ticks);
      SetWindowTextW(label, text);
      swprintf(icon.szTip, 128, L"Idle timer\nRunning: %u\nLocal Time: %ls", ticks, clockText);
      Shell_NotifyIconW(NIM_MODIFY, &icon);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wParam), kOlive);
      return reinterpret_cast<LRESULT>(background);
    case WM_DESTROY:
      Shell_NotifyIconW(NIM_DELETE, &icon);
      KillTimer(hwnd, kClockTimerId);
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
  background = CreateSolidBrush(kOlive);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = L"WakespanIdleTimer";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND hwnd = CreateWindowExW(WS_EX_LAYERED, windowClass.lpszClassName, L"Idle timer", WS_POPUP, 0, 0, 52, 68,
                              nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  SetLayeredWindowAttributes(hwnd, kOlive, 255, LWA_COLORKEY);
  label = CreateWindowExW(0, L"STATIC", L"0", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 52, 14,
                          hwnd, nullptr, instance, nullptr);
  icon.cbSize = sizeof(icon);
  icon.hWnd = hwnd;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  Shell_NotifyIconW(NIM_ADD, &icon);
  SetTimer(hwnd, kTimerId, 1000, nullptr);
  SetTimer(hwnd, kClockTimerId, 500, nullptr);
  ShowWindow(hwnd, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
