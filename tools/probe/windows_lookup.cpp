#include "tools/probe/windows_lookup.h"

#include <algorithm>
#include <vector>

namespace probe {

namespace {

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK matchControl(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(hwnd) == search->id) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct BoxSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK matchBox(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->pid && IsWindowVisible(hwnd) && className(hwnd) == L"#32770") {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND findTopLevel(const std::wstring& name) { return FindWindowW(name.c_str(), nullptr); }

HWND findControl(HWND top, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(top, matchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findMessageBox(HWND owner) {
  BoxSearch search{0, nullptr};
  GetWindowThreadProcessId(owner, &search.pid);
  EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring className(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

bool readWindowText(HWND hwnd, std::wstring& text) {
  // A busy target can miss one timeout; a few tries, with time between
  // them, tell that from a hung one.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(500);
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) continue;
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied))
      continue;
    text.assign(buffer.data(), std::min<size_t>(copied, length));
    return true;
  }
  return false;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text;
  readWindowText(hwnd, text);
  return text;
}

}  // namespace probe
