// probe: drives a running Win32 program from outside, one command per call,
// so shell scripts can inspect and operate its windows. Every command prints
// plain text on stdout and exits 0 on success or a true answer, 1 on failure
// or a false answer, 2 on a usage error. Windows are named by class, controls
// by their dialog id below that window.
#include <windows.h>
#include <psapi.h>
// windows.h first: shellapi.h depends on its types.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gui/Handles.h"
#include "tools/probe/commands.h"
#include "tools/probe/utf8.h"
#include "tools/probe/windows_lookup.h"

namespace probe {
namespace {


constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kSendTimeoutMs = 10000;

int fail(const std::string& why) {
  fprintf(stderr, "probe: %s\n", why.c_str());
  return 1;
}

DWORD timeoutArg(const Args& args, size_t index) {
  return index < args.size() ? static_cast<DWORD>(_wtoi(args[index].c_str())) : kDefaultWaitMs;
}

// The window a command addresses: args[0] names the top-level class, and
// args[1], when the command takes a control, its dialog id.
HWND topOrFail(const Args& args) {
  HWND top = findTopLevel(args[0]);
  if (!top) fprintf(stderr, "probe: no window of class %s\n", toUtf8(args[0]).c_str());
  return top;
}

HWND targetOrFail(const Args& args, bool wantsControl) {
  HWND top = topOrFail(args);
  if (!top || !wantsControl) return top;
  HWND control = findControl(top, _wtoi(args[1].c_str()));
  if (!control)
    fprintf(stderr, "probe: no control %s in %s\n", toUtf8(args[1]).c_str(),
            toUtf8(args[0]).c_str());
  return control;
}

LRESULT sendOrZero(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::string rectText(const RECT& r) {
  char line[128];
  snprintf(line, sizeof line, "%ld %ld %ld %ld %ld %ld", r.left, r.top, r.right, r.bottom,
           r.right - r.left, r.bottom - r.top);
  return line;
}

int answer(bool yes) {
  print(std::string(yes ? "1" : "0"));
  return yes ? 0 : 1;
}

// ---- screen -------------------------------------------------------------

int cmdWorkArea(const Args&) {
  RECT area;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return fail("no work area");
  print(rectText(area));
  return 0;
}

int cmdScreen(const Args&) {
  char line[64];
  snprintf(line, sizeof line, "%d %d", GetSystemMetrics(SM_CXSCREEN),
           GetSystemMetrics(SM_CYSCREEN));
  print(std::string(line));
  return 0;
}

// The frame metrics and fonts skinned frames are measured with.
int cmdMetrics(const Args&) {
  NONCLIENTMETRICSW m{};
  m.cbSize = sizeof(m);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0);
  char line[256];
  snprintf(line, sizeof line, "frame %d dlgframe %d caption %d smcaption %d menu %d captionfont %s %ld %ld",
           GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYCAPTION),
           GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYMENU), toUtf8(m.lfCaptionFont.lfFaceName).c_str(),
           long(m.lfCaptionFont.lfHeight), long(m.lfCaptionFont.lfWeight));
  print(std::string(line));
  return 0;
}

// ---- windows ------------------------------------------------------------

int cmdExists(const Args& args) { return answer(findTopLevel(args[0]) != nullptr); }

int cmdWait(const Args& args) {
  const std::wstring& name = args[0];
  HWND hwnd = waitFor(
      [&] {
        HWND h = findTopLevel(name);
        return h && IsWindowVisible(h) ? h : nullptr;
      },
      timeoutArg(args, 1));
  return hwnd ? 0 : fail("timed out waiting for " + toUtf8(name));
}

int cmdWaitGone(const Args& args) {
  const std::wstring& name = args[0];
  const bool gone = waitUntil(
      [&] {
        HWND h = findTopLevel(name);
        return !h || !IsWindowVisible(h);
      },
      timeoutArg(args, 1));
  return gone ? 0 : fail("still visible: " + toUtf8(name));
}

int cmdVisible(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  return hwnd ? answer(IsWindowVisible(hwnd) != FALSE) : 1;
}

int cmdEnabled(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  return hwnd ? answer(IsWindowEnabled(hwnd) != FALSE) : 1;
}

int cmdChecked(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  return hwnd ? answer(sendOrZero(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) : 1;
}

int cmdText(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  if (!hwnd) return 1;
  std::wstring text;
  if (!readWindowText(hwnd, text)) return fail("the window did not answer WM_GETTEXT");
  print(text);
  return 0;
}

int cmdTextToFile(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  if (!hwnd) return 1;
  std::wstring text;
  if (!readWindowText(hwnd, text)) return fail("the window did not answer WM_GETTEXT");
  return writeFile(args[2], toUtf8(text)) ? 0 : fail("cannot write the file");
}

int cmdSetText(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  if (!hwnd) return 1;
  return sendOrZero(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2].c_str()))
             ? 0
             : fail("WM_SETTEXT refused");
}

int cmdSetTextFromFile(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  if (!hwnd) return 1;
  std::string bytes;
  if (!readFile(args[2], bytes)) return fail("cannot read the file");
  const std::wstring text = fromUtf8(bytes);
  return sendOrZero(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))
             ? 0
             : fail("WM_SETTEXT refused");
}

// Like typing: replaces the selection (put at the end first) with the text.
int cmdType(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  if (!hwnd) return 1;
  sendOrZero(hwnd, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  sendOrZero(hwnd, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
  sendOrZero(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(args[2].c_str()));
  return 0;
}

int cmdRect(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  RECT r;
  if (!hwnd || !GetWindowRect(hwnd, &r)) return 1;
  print(rectText(r));
  return 0;
}

int cmdClient(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  RECT r;
  if (!hwnd || !GetClientRect(hwnd, &r)) return 1;
  print(std::to_string(r.right) + " " + std::to_string(r.bottom));
  return 0;
}

int cmdStyle(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  if (!hwnd) return 1;
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  static const struct {
    LONG_PTR bit;
    const char* name;
  } kNames[] = {{WS_THICKFRAME, "THICKFRAME"}, {WS_MAXIMIZEBOX, "MAXIMIZEBOX"},
                {WS_MINIMIZEBOX, "MINIMIZEBOX"}, {WS_CAPTION, "CAPTION"},
                {WS_SYSMENU, "SYSMENU"}, {WS_DISABLED, "DISABLED"},
                {WS_VISIBLE, "VISIBLE"}, {WS_TABSTOP, "TABSTOP"}};
  char hex[32];
  snprintf(hex, sizeof hex, "0x%08lx", static_cast<unsigned long>(style & 0xFFFFFFFF));
  std::string line = hex;
  for (const auto& entry : kNames)
    if ((style & entry.bit) == entry.bit) line += std::string(" ") + entry.name;
  print(line);
  return 0;
}

int cmdClass(const Args& args) {
  HWND hwnd = targetOrFail(args, args.size() > 1);
  if (!hwnd) return 1;
  print(className(hwnd));
  return 0;
}

BOOL CALLBACK printChild(HWND hwnd, LPARAM) {
  RECT r;
  GetWindowRect(hwnd, &r);
  std::wstring text = windowText(hwnd).substr(0, 40);
  char head[200];
  snprintf(head, sizeof head, "%d\t%s\t%s%s\t%s\t", GetDlgCtrlID(hwnd),
           toUtf8(className(hwnd)).c_str(), IsWindowVisible(hwnd) ? "visible" : "hidden",
           IsWindowEnabled(hwnd) ? "" : ",disabled", rectText(r).c_str());
  print(head + toUtf8(text));
  return TRUE;
}

int cmdChildren(const Args& args) {
  HWND top = topOrFail(args);
  if (!top) return 1;
  EnumChildWindows(top, printChild, 0);
  return 0;
}

// The focus and activation state of the thread that owns `top`.
GUITHREADINFO threadState(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) info.hwndFocus = info.hwndActive = nullptr;
  return info;
}

// Id of the control that has the keyboard focus in the window's thread.
int cmdFocus(const Args& args) {
  HWND top = topOrFail(args);
  if (!top) return 1;
  HWND focus = threadState(top).hwndFocus;
  if (!focus) return fail("no focus");
  print(std::to_string(GetDlgCtrlID(focus)));
  return 0;
}

// The class of the active window of the window's thread.
int cmdActive(const Args& args) {
  HWND top = topOrFail(args);
  if (!top) return 1;
  HWND active = threadState(top).hwndActive;
  if (!active) return fail("no active window");
  print(className(active));
  return 0;
}

// ---- actions ------------------------------------------------------------

// A click that returns when the control has handled it.
int cmdClick(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  if (!hwnd) return 1;
  sendOrZero(hwnd, BM_CLICK, 0, 0);
  return 0;
}

// A click that may open a modal box: posted, so the probe does not block.
int cmdPostClick(const Args& args) {
  HWND hwnd = targetOrFail(args, true);
  return hwnd && PostMessageW(hwnd, BM_CLICK, 0, 0) ? 0 : 1;
}

int cmdClose(const Args& args) {
  HWND hwnd = topOrFail(args);
  return hwnd && PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
}

int cmdSysCommand(const Args& args) {
  HWND hwnd = topOrFail(args);
  if (!hwnd) return 1;
  static const struct {
    const wchar_t* name;
    WPARAM command;
  } kCommands[] = {{L"maximize", SC_MAXIMIZE}, {L"minimize", SC_MINIMIZE},
                   {L"restore", SC_RESTORE}, {L"close", SC_CLOSE}};
  for (const auto& entry : kCommands)
    if (args[1] == entry.name) return PostMessageW(hwnd, WM_SYSCOMMAND, entry.command, 0) ? 0 : 1;
  return fail("unknown system command");
}

int cmdSetPos(const Args& args) {
  HWND hwnd = topOrFail(args);
  if (!hwnd) return 1;
  const int x = _wtoi(args[1].c_str()), y = _wtoi(args[2].c_str());
  const int w = _wtoi(args[3].c_str()), h = _wtoi(args[4].c_str());
  return SetWindowPos(hwnd, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
}

// A key press as the message loop receives it: WM_KEYDOWN and WM_KEYUP
// posted to the control that has the focus in the window's thread.
int cmdKey(const Args& args) {
  HWND top = topOrFail(args);
  if (!top) return 1;
  static const struct {
    const wchar_t* name;
    UINT key;
  } kKeys[] = {{L"enter", VK_RETURN}, {L"space", VK_SPACE}, {L"escape", VK_ESCAPE}, {L"tab", VK_TAB}};
  UINT key = 0;
  for (const auto& entry : kKeys)
    if (args[1] == entry.name) key = entry.key;
  if (!key) return fail("unknown key");
  HWND target = threadState(top).hwndFocus;
  if (target != top && !IsChild(top, target)) return fail("the focus is not in that window");
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  return PostMessageW(target, WM_KEYDOWN, key, down) && PostMessageW(target, WM_KEYUP, key, down | 0xC0000000) ? 0 : 1;
}

// ---- processes ----------------------------------------------------------

DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

int cmdPid(const Args& args) {
  HWND hwnd = topOrFail(args);
  if (!hwnd) return 1;
  print(std::to_string(processOf(hwnd)));
  return 0;
}

// The GDI and USER objects the window's process holds, and its private
// memory in kilobytes (0 where the system does not count them).
int cmdResources(const Args& args) {
  HWND hwnd = topOrFail(args);
  if (!hwnd) return 1;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processOf(hwnd));
  if (!process) return fail("cannot open the process");
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
  // The program's own count of the GDI objects it holds (Wine's
  // GetGuiResources gives 0); -1 when the window does not answer.
  DWORD_PTR live = static_cast<DWORD_PTR>(-1);
  if (!SendMessageTimeoutW(hwnd, gui::LiveGdiObjectsMessage(), 0, 0, SMTO_ABORTIFHUNG, 2000, &live))
    live = static_cast<DWORD_PTR>(-1);
  print(std::to_string(GetGuiResources(process, GR_GDIOBJECTS)) + " " +
        std::to_string(GetGuiResources(process, GR_USEROBJECTS)) + " " + std::to_string(memory.PrivateUsage / 1024) +
        " " + std::to_string(static_cast<long long>(static_cast<LONG_PTR>(live))));
  CloseHandle(process);
  return 0;
}

int cmdExePath(const Args& args) {
  HWND hwnd = topOrFail(args);
  if (!hwnd) return 1;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processOf(hwnd));
  if (!process) return fail("cannot open the process");
  wchar_t path[MAX_PATH * 4];
  DWORD size = MAX_PATH * 4;
  const BOOL ok = QueryFullProcessImageNameW(process, 0, path, &size);
  CloseHandle(process);
  if (!ok) return fail("no image name");
  print(std::wstring(path, size));
  return 0;
}

int cmdKill(const Args& args) {
  HWND hwnd = findTopLevel(args[0]);
  if (!hwnd) return 0;  // nothing left to stop
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processOf(hwnd));
  if (!process) return fail("cannot open the process");
  TerminateProcess(process, 1);
  const bool ended = WaitForSingleObject(process, kDefaultWaitMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended ? 0 : fail("process did not end");
}

// Waits until the shell's tray window and the desktop window answer a
// message: after a program with a tray icon is killed, the shell spends a
// while removing the dead icon, and a program started meanwhile waits for it.
int cmdSettle(const Args&) {
  for (HWND window : {FindWindowW(L"Shell_TrayWnd", nullptr), GetDesktopWindow()}) {
    DWORD_PTR ignored = 0;
    if (window && !SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kDefaultWaitMs, &ignored))
      return fail("the shell does not answer");
  }
  return 0;
}

// Starts exe and reports the milliseconds until a window of the class is
// visible; the process keeps running.
BOOL CALLBACK childNeedsPaint(HWND child, LPARAM found) {
  if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool anyUpdatePending(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  bool found = false;
  EnumChildWindows(window, childNeedsPaint, reinterpret_cast<LPARAM>(&found));
  return found;
}

int cmdLaunch(const Args& args) {
  std::wstring commandLine = L"\"" + args[0] + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // No standard handles: under Wine the child would otherwise keep the
  // probe's stdout pipe open, and a shell reading it would wait for the child.
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION info{};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return fail("cannot start " + toUtf8(args[0]));
  CloseHandle(info.hThread);
  const std::wstring& name = args[1];
  const DWORD timeout = timeoutArg(args, 2);
  const DWORD start = GetTickCount();
  HWND shownWindow = nullptr;
  while (!shownWindow && GetTickCount() - start < timeout) {
    HWND h = findTopLevel(name);
    if (h && IsWindowVisible(h)) shownWindow = h;
    else Sleep(1);
  }
  bool shown = shownWindow != nullptr;
  // "painted": also until the program has gone idle with nothing of the
  // window or its children left to paint.
  if (shown && args.size() > 3 && args[3] == L"painted") {
    const DWORD left = timeout - std::min<DWORD>(timeout, GetTickCount() - start);
    WaitForInputIdle(info.hProcess, left);
    while (anyUpdatePending(shownWindow) && GetTickCount() - start < timeout) Sleep(1);
  }
  QueryPerformanceCounter(&end);
  CloseHandle(info.hProcess);
  if (!shown) return fail("timed out waiting for " + toUtf8(name));
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  char line[64];
  snprintf(line, sizeof line, "%.1f", ms);
  print(std::string(line));
  return 0;
}

// ---- message boxes ------------------------------------------------------

HWND boxOrFail(const Args& args) {
  HWND top = topOrFail(args);
  if (!top) return nullptr;
  HWND box = waitFor([&] { return findMessageBox(top); }, timeoutArg(args, 1));
  if (!box) fprintf(stderr, "probe: no message box\n");
  return box;
}

BOOL CALLBACK collectStatic(HWND hwnd, LPARAM param) {
  auto* text = reinterpret_cast<std::wstring*>(param);
  if (className(hwnd) == L"Static") {
    std::wstring own = windowText(hwnd);
    if (!own.empty()) {
      if (!text->empty()) *text += L"\n";
      *text += own;
    }
  }
  return TRUE;
}

// Prints the box's title on one line, then its static texts.
int cmdBox(const Args& args) {
  HWND box = boxOrFail(args);
  if (!box) return 1;
  std::wstring text;
  EnumChildWindows(box, collectStatic, reinterpret_cast<LPARAM>(&text));
  print(windowText(box));
  print(text);
  return 0;
}

BOOL CALLBACK findOkButton(HWND hwnd, LPARAM param) {
  if (className(hwnd) == L"Button" && GetDlgCtrlID(hwnd) == IDOK) {
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
  }
  return TRUE;
}

int cmdBoxOk(const Args& args) {
  HWND box = boxOrFail(args);
  if (!box) return 1;
  HWND ok = nullptr;
  EnumChildWindows(box, findOkButton, reinterpret_cast<LPARAM>(&ok));
  if (ok)
    PostMessageW(ok, BM_CLICK, 0, 0);
  else
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  return waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kDefaultWaitMs)
             ? 0
             : fail("message box stayed open");
}

// ---- registry -----------------------------------------------------------

// HKLM value: prints "TYPE data"; with a file argument a text's data goes
// there (UTF-8, exact) instead of stdout.
int cmdRegGet(const Args& args) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, args[0].c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return fail("no key");
  DWORD type = 0, size = 0;
  LONG status = RegQueryValueExW(key, args[1].c_str(), nullptr, &type, nullptr, &size);
  std::vector<BYTE> data(size + sizeof(wchar_t), 0);
  if (status == ERROR_SUCCESS)
    status = RegQueryValueExW(key, args[1].c_str(), nullptr, &type, data.data(), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return fail("no value");
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD value;
    memcpy(&value, data.data(), sizeof value);
    print("REG_DWORD " + std::to_string(static_cast<long>(static_cast<LONG>(value))));
    return 0;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    print("TYPE" + std::to_string(type) + " size " + std::to_string(size));
    return 0;
  }
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  const char* typeName = type == REG_SZ ? "REG_SZ" : "REG_EXPAND_SZ";
  if (args.size() > 2) {
    print(std::string(typeName));
    return writeFile(args[2], toUtf8(text)) ? 0 : fail("cannot write the file");
  }
  print(std::string(typeName) + " " + toUtf8(text));
  return 0;
}

// ---- command table ------------------------------------------------------

const Command kCommands[] = {
    {L"workarea", 0, "workarea                      -> left top right bottom width height", cmdWorkArea},
    {L"screen", 0, "screen                        -> width height", cmdScreen},
    {L"metrics", 0, "metrics                       -> frame metrics and caption font", cmdMetrics},
    {L"exists", 1, "exists CLASS", cmdExists},
    {L"wait", 1, "wait CLASS [ms]               until visible", cmdWait},
    {L"waitgone", 1, "waitgone CLASS [ms]           until hidden or gone", cmdWaitGone},
    {L"visible", 1, "visible CLASS [ID]", cmdVisible},
    {L"enabled", 1, "enabled CLASS [ID]", cmdEnabled},
    {L"checked", 2, "checked CLASS ID", cmdChecked},
    {L"text", 1, "text CLASS [ID]", cmdText},
    {L"textfile", 3, "textfile CLASS ID FILE        text as UTF-8 into FILE", cmdTextToFile},
    {L"settext", 3, "settext CLASS ID TEXT", cmdSetText},
    {L"settextfile", 3, "settextfile CLASS ID FILE     text from UTF-8 FILE", cmdSetTextFromFile},
    {L"type", 3, "type CLASS ID TEXT            EM_REPLACESEL at the end", cmdType},
    {L"rect", 1, "rect CLASS [ID]               -> screen rect and size", cmdRect},
    {L"client", 1, "client CLASS [ID]             -> width height", cmdClient},
    {L"style", 1, "style CLASS [ID]", cmdStyle},
    {L"class", 1, "class CLASS [ID]", cmdClass},
    {L"children", 1, "children CLASS                list every descendant", cmdChildren},
    {L"focus", 1, "focus CLASS                   -> id of the focused control", cmdFocus},
    {L"active", 1, "active CLASS                  -> class of its thread's active window", cmdActive},
    {L"click", 2, "click CLASS ID                BM_CLICK, waits until handled", cmdClick},
    {L"postclick", 2, "postclick CLASS ID            BM_CLICK posted", cmdPostClick},
    {L"close", 1, "close CLASS                   posts WM_CLOSE", cmdClose},
    {L"key", 2, "key CLASS enter|space|escape|tab  posted to its focused control", cmdKey},
    {L"syscommand", 2, "syscommand CLASS maximize|minimize|restore|close", cmdSysCommand},
    {L"setpos", 5, "setpos CLASS X Y W H          SetWindowPos", cmdSetPos},
    {L"pid", 1, "pid CLASS", cmdPid},
    {L"resources", 1, "resources CLASS               -> GDI objects, USER objects, private KB, program's GDI objects", cmdResources},
    {L"exepath", 1, "exepath CLASS                 -> image path of its process", cmdExePath},
    {L"kill", 1, "kill CLASS                    terminates its process", cmdKill},
    {L"settle", 0, "settle                        waits until the shell answers", cmdSettle},
    {L"launch", 2, "launch EXE CLASS [ms] [painted] -> ms until CLASS is visible (and painted)", cmdLaunch},
    {L"box", 1, "box CLASS [ms]                -> title, then text of its message box", cmdBox},
    {L"boxok", 1, "boxok CLASS [ms]              presses OK in its message box", cmdBoxOk},
    {L"regget", 2, "regget KEY VALUE [FILE]       HKLM value -> TYPE data", cmdRegGet},
};

}  // namespace
}  // namespace probe

int main() { return probe::RunCommandLine("probe", probe::kCommands, std::size(probe::kCommands)); }
