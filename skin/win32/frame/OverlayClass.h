// The window class of a window the frame lays over a form (the caption
// blind, a title button's fade): registered once per name for this module.
#pragma once

#include <windows.h>

namespace wakespan {

// Registers `name` with `proc`; a class registered before stays as it is.
inline void RegisterOverlayClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  RegisterClassW(&wc);  // fails only as "already registered" after the first time
}

}  // namespace wakespan
