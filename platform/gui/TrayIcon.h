#pragma once
// The program's icon in the notification area, with its hint, balloon,
// popup menu and double-click.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "platform/TrayTip.h"
#include "platform/gui/Component.h"

namespace gui {

class PopupMenu;

class TrayIcon : public Component {
 public:
  // Adds the icon to the notification area at once.
  TrayIcon(Form* owner, std::wstring name, HICON icon);
  ~TrayIcon() override;
  const wchar_t* ClassName() const override { return L"TTrayIcon"; }

  std::wstring Hint() const;
  // Ignored when equal to the current hint; the notification area gets at
  // most the first 127 characters.
  void SetHint(const std::wstring& hint);
  void ShowBalloon(const std::wstring& title, const std::wstring& text, unsigned timeoutMs);
  HWND Handle() const { return window_; }

  PopupMenu* Popup = nullptr;
  std::function<void()> OnDblClick;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void HandleCallback(LPARAM mouseMessage);
  NOTIFYICONDATAW BaseData(UINT flags) const;
  void Send(DWORD message);

  HWND window_ = nullptr;
  HICON icon_;
  platform::TrayTip tip_;
  UINT taskbarCreated_;
};

}  // namespace gui
