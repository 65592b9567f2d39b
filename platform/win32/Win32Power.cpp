#include "platform/win32/Win32Power.h"

#include <windows.h>

namespace platform {

namespace {

using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN forceCritical, BOOLEAN disableWakeEvent);

}  // namespace

bool Win32Power::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = false;
  if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    DWORD returnLength = 0;
    // AdjustTokenPrivileges succeeds even when it could not enable the
    // privilege; only the last error tells.
    enabled = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, &returnLength) &&
              GetLastError() == ERROR_SUCCESS;
  }
  CloseHandle(token);
  return enabled;
}

bool Win32Power::EndSession(uint32_t flags, uint32_t reason) { return ExitWindowsEx(flags, reason) != 0; }

bool Win32Power::FindSetSuspendState() {
  HMODULE module = GetModuleHandleW(L"POWRPROF.dll");
  if (!module) module = LoadLibraryW(L"POWRPROF.dll");
  setSuspendState_ = module ? reinterpret_cast<void*>(GetProcAddress(module, "SetSuspendState")) : nullptr;
  return setSuspendState_ != nullptr;
}

bool Win32Power::SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  if (!setSuspendState_) return false;
  auto function = reinterpret_cast<SetSuspendStateFunction>(setSuspendState_);
  return function(hibernate, forceCritical, disableWakeEvent) != 0;
}

}  // namespace platform
