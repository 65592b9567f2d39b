#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace platform {

LocalTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalTime{st.wHour, st.wMinute, st.wSecond};
}

uint32_t Win32Clock::TickCount() { return GetTickCount(); }

}  // namespace platform
