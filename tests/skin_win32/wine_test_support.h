// What the Windows-side skin tests share: the source tree's skins as Wine's
// drive Z: sees them, and a message pump for a while.
#pragma once

#include <windows.h>

#include <string>

namespace wakespan::wine_test {

// resources/skin of this source tree, or one of its skins by name.
inline std::string SourceSkinDirectory(const std::string& skin = "") {
  std::string path = __FILE__;
  path.erase(path.rfind("/tests/"));
  path = "Z:" + path + "/resources/skin" + (skin.empty() ? "" : "/" + skin);
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// The embedded skin's directory.
inline std::string EmbeddedSkinDirectory() { return SourceSkinDirectory("WMP11"); }

// Dispatches every message that arrives for `milliseconds`.
inline void PumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + DWORD(milliseconds);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

}  // namespace wakespan::wine_test
