// menu_reader.dll: read a menu from inside the process that owns it. Menus
// cannot be read from another process under Wine, so probe_tray installs
// this library's message hook on the owner's GUI thread and posts it the
// registered message "WakespanProbeReadMenu" with the menu handle in wParam
// (0: the menu bar of the window the message is posted to). The hook writes
// the items to %TEMP%\wakespan-menu.txt, one line each:
//   <depth tabs>id<TAB>flags<TAB>caption
// flags: "sep" separator, "sub" submenu, "default" bold item, "pic" picture,
// "-" none. The file appears complete (written aside, then renamed).
#include <windows.h>

#include <string>

#include "tools/probe/utf8.h"

namespace {

using probe::toUtf8;

void describe(HMENU menu, int depth, std::string& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t caption[512] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP;
    info.dwTypeData = caption;
    info.cch = 511;
    out.append(static_cast<size_t>(depth), '\t');
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
      out += "?\tunreadable\t\n";
      continue;
    }
    std::string flags;
    auto add = [&](const char* flag) {
      if (!flags.empty()) flags += ",";
      flags += flag;
    };
    if (info.fType & MFT_SEPARATOR) add("sep");
    if (info.hSubMenu) add("sub");
    if (info.fState & MFS_DEFAULT) add("default");
    if (info.hbmpItem) add("pic");
    out += std::to_string(info.wID) + "\t" + (flags.empty() ? "-" : flags) + "\t" +
           toUtf8(std::wstring(caption, info.cch)) + "\n";
    if (info.hSubMenu) describe(info.hSubMenu, depth + 1, out);
  }
}

void writeReport(const std::string& text) {
  wchar_t dir[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, dir)) return;
  const std::wstring part = std::wstring(dir) + L"wakespan-menu.part";
  const std::wstring done = std::wstring(dir) + L"wakespan-menu.txt";
  HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(part.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ReadMenuHook(int code, WPARAM wParam,
                                                                LPARAM lParam) {
  static const UINT request = RegisterWindowMessageW(L"WakespanProbeReadMenu");
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == request) {
    HMENU menu = message->wParam ? reinterpret_cast<HMENU>(message->wParam) : GetMenu(message->hwnd);
    std::string report;
    if (menu && IsMenu(menu))
      describe(menu, 0, report);
    else
      report = "no menu\n";
    writeReport(report);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
