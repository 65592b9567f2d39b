#include "platform/gui/TrayIcon.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gui/Application.h"
#include "platform/gui/Menus.h"
#include "platform/win32/WideText.h"

namespace gui {

namespace {

constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT kIconId = 1;
const wchar_t kWindowClass[] = L"TTrayIconWindow";

// Copies a text that already fits, with its terminator.
template <size_t N>
void CopyInto(wchar_t (&target)[N], const platform::Text& text) {
  const size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.begin(), length, target);
  target[length] = L'\0';
}

}  // namespace

TrayIcon::TrayIcon(Form* owner, std::wstring name, HICON icon)
    : Component(owner, std::move(name)), icon_(icon), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // A hidden top-level window: it also hears the shell's restart broadcast.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            wc.hInstance, this);
  Send(NIM_ADD);
}

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAW data = BaseData(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  DestroyWindow(window_);
}

NOTIFYICONDATAW TrayIcon::BaseData(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = flags;
  return data;
}

void TrayIcon::Send(DWORD message) {
  NOTIFYICONDATAW data = BaseData(NIF_MESSAGE | NIF_ICON | (tip_.HasTip() ? NIF_TIP : 0));
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  CopyInto(data.szTip, tip_.Tip());
  Shell_NotifyIconW(message, &data);
}

std::wstring TrayIcon::Hint() const { return platform::Wide(tip_.Hint()); }

void TrayIcon::SetHint(const std::wstring& hint) {
  if (tip_.SetHint(platform::FromWide(hint))) Send(NIM_MODIFY);
}

void TrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs) {
  NOTIFYICONDATAW data = BaseData(NIF_INFO);
  CopyInto(data.szInfoTitle, platform::CutToLength(platform::FromWide(title), platform::kBalloonTitleMaxLength));
  CopyInto(data.szInfo, platform::CutToLength(platform::FromWide(text), platform::kBalloonTextMaxLength));
  data.uTimeout = timeoutMs;
  data.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::HandleCallback(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_RBUTTONUP: {
      if (!Popup) return;
      // The menu only closes properly when the program is in the foreground.
      SetForegroundWindow(Application::Instance().Handle());
      Application::Instance().ProcessMessages();
      POINT cursor{};
      GetCursorPos(&cursor);
      Popup->Popup(cursor.x, cursor.y, window_);
      return;
    }
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (OnDblClick) OnDblClick();
      return;
  }
}

LRESULT CALLBACK TrayIcon::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* tray = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (tray && (msg == kCallbackMessage || msg == tray->taskbarCreated_)) {
    try {
      if (msg == kCallbackMessage)
        tray->HandleCallback(lParam);
      else
        tray->Send(NIM_ADD);
    } catch (const std::exception& error) {
      Application::ReportError(error);
    }
    return 0;
  }
  if ((msg == WM_MEASUREITEM || msg == WM_DRAWITEM) && HandleMenuPicture(msg, lParam)) return TRUE;
  if (msg == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace gui
