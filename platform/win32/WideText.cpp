#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform {

std::wstring WideFromUtf8(const std::string& utf8) { return Wide(FromUtf8(utf8)); }

Text LowerCase(const Text& text) {
  std::wstring wide = Wide(text);
  if (!wide.empty()) CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return FromWide(wide);
}

}  // namespace platform
