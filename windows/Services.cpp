#include "windows/Services.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Power.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/WideText.h"

namespace services {

platform::RegistryBackend& Registry() {
  static platform::Win32Registry registry;
  return registry;
}

platform::Clock& Clock() {
  static platform::Win32Clock clock;
  return clock;
}

platform::Power& Power() {
  static platform::Win32Power power;
  return power;
}

platform::Text ExecutablePath() {
  // Grow the buffer until the whole path fits: long paths are allowed.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return platform::FromWide(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace services
