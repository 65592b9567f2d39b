// Finding the windows of the program under test: top-level windows by class,
// controls by their dialog id anywhere below a window, and the message boxes
// a process shows. The waits poll, so they work across processes.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

// Top-level window of this class, visible or not; nullptr when there is none.
HWND findTopLevel(const std::wstring& className);

// First descendant (at any depth) whose GetDlgCtrlID equals id.
HWND findControl(HWND top, int id);

// A visible standard dialog ("#32770") that belongs to the same process as owner.
HWND findMessageBox(HWND owner);

// Polls until found() returns a window or timeoutMs elapses.
template <class Find>
HWND waitFor(Find found, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = found()) return hwnd;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(10);
  }
}

// Polls until gone() is true or timeoutMs elapses; returns gone()'s last answer.
template <class Gone>
bool waitUntil(Gone gone, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (gone()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(10);
  }
}

template <class Visit>
BOOL CALLBACK visitTopLevel(HWND hwnd, LPARAM visit) {
  return (*reinterpret_cast<Visit*>(visit))(hwnd) ? TRUE : FALSE;
}

// Calls visit(hwnd) for each top-level window until it returns false. (A
// lambda cannot be passed to EnumWindows itself: 32-bit callbacks are stdcall.)
template <class Visit>
void forEachTopLevel(Visit visit) {
  EnumWindows(visitTopLevel<Visit>, reinterpret_cast<LPARAM>(&visit));
}

std::wstring className(HWND hwnd);

// The window text, fetched with WM_GETTEXT so it works for other processes'
// controls; false when the window never answered.
bool readWindowText(HWND hwnd, std::wstring& text);

// The same, empty when the window never answered.
std::wstring windowText(HWND hwnd);

}  // namespace probe
