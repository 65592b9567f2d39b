// probe_tray: the end-to-end checks' second driver, for what the first one
// does not reach: menus (the menu bar of a window and an open popup menu),
// the tray icon's hidden window, tooltip and balloon windows, progress bars
// and extended window styles. Same conventions as probe: plain text on
// stdout, exit 0 on success or a true answer, 1 on failure or a false
// answer, 2 on a usage error.
#include <windows.h>
// windows.h first: shellapi.h and commctrl.h depend on its types.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "tools/probe/commands.h"
#include "tools/probe/utf8.h"
#include "tools/probe/windows_lookup.h"

namespace probe {
namespace {


constexpr DWORD kSendTimeoutMs = 10000;
// The tray icon's window hears mouse events on the icon as this message,
// with the mouse message in lParam.
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

int fail(const std::string& why) {
  fprintf(stderr, "probe_tray: %s\n", why.c_str());
  return 1;
}

HWND topOrFail(const std::wstring& name) {
  HWND top = findTopLevel(name);
  if (!top) fprintf(stderr, "probe_tray: no window of class %s\n", toUtf8(name).c_str());
  return top;
}

LRESULT sendOrZero(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

// ---- menus ----------------------------------------------------------------

// Menus cannot be read from another process under Wine: menu_reader.dll,
// hooked into the owner's GUI thread, reads them there (see menu_reader.cpp).
int readMenu(HWND target, HMENU menu) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dll = path;
  dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"menu_reader.dll";
  HMODULE reader = LoadLibraryW(dll.c_str());
  // Through void (*)(): the generic function pointer type the compiler accepts.
  auto* hookProc = reader ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(
                                GetProcAddress(reader, "ReadMenuHook")))
                          : nullptr;
  if (!hookProc) return fail("cannot load " + toUtf8(dll));
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring report = std::wstring(dir) + L"wakespan-menu.txt";
  DeleteFileW(report.c_str());
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, hookProc, reader, GetWindowThreadProcessId(target, nullptr));
  if (!hook) return fail("cannot hook the window's thread");
  PostMessageW(target, RegisterWindowMessageW(L"WakespanProbeReadMenu"), reinterpret_cast<WPARAM>(menu), 0);
  std::string text;
  const bool read = waitUntil([&] { return readFile(report, text); }, 5000);
  UnhookWindowsHookEx(hook);
  if (!read) return fail("the menu was not read");
  fwrite(text.data(), 1, text.size(), stdout);
  return text == "no menu\n" ? 1 : 0;
}

// The first visible popup-menu window ("#32768"); an open submenu is a
// further such window, so only the root menu should be open when asked.
HWND findOpenMenuWindow() {
  HWND found = nullptr;
  forEachTopLevel([&found](HWND hwnd) {
    if (IsWindowVisible(hwnd) && className(hwnd) == L"#32768") found = hwnd;
    return found == nullptr;
  });
  return found;
}

int cmdPopupMenu(const Args& args) {
  const DWORD timeout = args.empty() ? 5000 : static_cast<DWORD>(_wtoi(args[0].c_str()));
  HWND window = waitFor(findOpenMenuWindow, timeout);
  if (!window) return fail("no open popup menu");
  HMENU menu = reinterpret_cast<HMENU>(sendOrZero(window, MN_GETHMENU, 0, 0));
  if (!menu) return fail("the popup menu window has no menu");
  return readMenu(window, menu);
}

int cmdMenuOpen(const Args&) { return findOpenMenuWindow() ? 0 : 1; }

int cmdMenuBar(const Args& args) {
  HWND top = topOrFail(args[0]);
  return top ? readMenu(top, nullptr) : 1;
}

// Chooses a menu command as a click on its item would: WM_COMMAND, posted.
int cmdCommand(const Args& args) {
  HWND top = topOrFail(args[0]);
  if (!top) return 1;
  const WORD id = static_cast<WORD>(_wtoi(args[1].c_str()));
  return PostMessageW(top, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
}

// ---- tray icon ------------------------------------------------------------

// What the shell sends the tray icon's window for a mouse event on the icon:
// rup (right button released) or ldbl (left double-click).
int cmdTrayMouse(const Args& args) {
  HWND tray = topOrFail(args[0]);
  if (!tray) return 1;
  LPARAM event = 0;
  if (args[1] == L"rup") event = WM_RBUTTONUP;
  if (args[1] == L"ldbl") event = WM_LBUTTONDBLCLK;
  if (!event) return fail("unknown tray event");
  return PostMessageW(tray, kTrayCallbackMessage, 1, event) ? 0 : 1;
}

// ---- tooltips and balloons -------------------------------------------------

// Visible tooltip windows of any process, one line each: pid, style
// ("balloon" when TTS_BALLOON is set), rect, text.
int cmdTooltips(const Args&) {
  std::vector<HWND> tips;
  forEachTopLevel([&tips](HWND hwnd) {
    if (IsWindowVisible(hwnd) && className(hwnd) == TOOLTIPS_CLASSW) tips.push_back(hwnd);
    return true;
  });
  for (HWND tip : tips) {
    RECT r{};
    GetWindowRect(tip, &r);
    const bool balloon = (GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON) != 0;
    char head[160];
    snprintf(head, sizeof head, "%lu\t%s\t%ld %ld %ld %ld\t", processOf(tip),
             balloon ? "balloon" : "tip", r.left, r.top, r.right - r.left, r.bottom - r.top);
    print(head + toUtf8(windowText(tip)));
  }
  return tips.empty() ? 1 : 0;
}

// ---- controls and windows -----------------------------------------------

int cmdProgress(const Args& args) {
  HWND top = topOrFail(args[0]);
  if (!top) return 1;
  HWND bar = findControl(top, _wtoi(args[1].c_str()));
  if (!bar) return fail("no such control");
  const LRESULT position = sendOrZero(bar, PBM_GETPOS, 0, 0);
  const LRESULT low = sendOrZero(bar, PBM_GETRANGE, TRUE, 0);
  const LRESULT high = sendOrZero(bar, PBM_GETRANGE, FALSE, 0);
  print(std::to_string(position) + " " + std::to_string(low) + " " + std::to_string(high));
  return 0;
}

int cmdExStyle(const Args& args) {
  HWND top = topOrFail(args[0]);
  if (!top) return 1;
  const LONG_PTR style = GetWindowLongPtrW(top, GWL_EXSTYLE);
  static const struct {
    LONG_PTR bit;
    const char* name;
  } kNames[] = {{WS_EX_TOPMOST, "TOPMOST"}, {WS_EX_LAYERED, "LAYERED"},
                {WS_EX_TOOLWINDOW, "TOOLWINDOW"}, {WS_EX_APPWINDOW, "APPWINDOW"},
                {WS_EX_DLGMODALFRAME, "DLGMODALFRAME"}};
  char hex[32];
  snprintf(hex, sizeof hex, "0x%08lx", static_cast<unsigned long>(style & 0xFFFFFFFF));
  std::string line = hex;
  for (const auto& entry : kNames)
    if (style & entry.bit) line += std::string(" ") + entry.name;
  print(line);
  return 0;
}

// Top-level windows of the process that owns a window of CLASS (or of every
// process without an argument): class, visibility, rect, title.
int cmdWindows(const Args& args) {
  DWORD pid = 0;
  if (!args.empty()) {
    HWND top = topOrFail(args[0]);
    if (!top) return 1;
    pid = processOf(top);
  }
  forEachTopLevel([pid](HWND hwnd) {
    if (pid && processOf(hwnd) != pid) return true;
    RECT r{};
    GetWindowRect(hwnd, &r);
    char head[200];
    snprintf(head, sizeof head, "%lu\t%s\t%s\t%ld %ld %ld %ld\t", processOf(hwnd),
             toUtf8(className(hwnd)).c_str(), IsWindowVisible(hwnd) ? "visible" : "hidden", r.left, r.top,
             r.right - r.left, r.bottom - r.top);
    print(head + toUtf8(windowText(hwnd)));
    return true;
  });
  return 0;
}

// ---- command table ------------------------------------------------------

const Command kCommands[] = {
    {L"popupmenu", 0, "popupmenu [ms]                items of the open popup menu", cmdPopupMenu},
    {L"menuopen", 0, "menuopen                      is a popup menu open?", cmdMenuOpen},
    {L"menubar", 1, "menubar CLASS                 items of the window's menu bar", cmdMenuBar},
    {L"command", 2, "command CLASS ID              posts a menu command", cmdCommand},
    {L"traymouse", 2, "traymouse CLASS rup|ldbl      posts a tray mouse event", cmdTrayMouse},
    {L"tooltips", 0, "tooltips                      visible tooltip and balloon windows", cmdTooltips},
    {L"progress", 2, "progress CLASS ID             -> position min max", cmdProgress},
    {L"exstyle", 1, "exstyle CLASS                 extended style names", cmdExStyle},
    {L"windows", 0, "windows [CLASS]               top-level windows (of CLASS's process)", cmdWindows},
};

}  // namespace
}  // namespace probe

int main() { return probe::RunCommandLine("probe_tray", probe::kCommands, std::size(probe::kCommands)); }
