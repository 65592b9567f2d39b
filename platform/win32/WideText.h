#pragma once
// Program text and wide Win32 strings are both UTF-16 on Windows.
#include <string>

#include "platform/Text.h"

namespace platform {

inline std::wstring Wide(const Text& text) { return std::wstring(text.begin(), text.end()); }
inline Text FromWide(const std::wstring& wide) { return Text(wide.begin(), wide.end()); }
std::wstring WideFromUtf8(const std::string& utf8);
// Lower case by the platform's Unicode rules (CharLowerBuffW).
Text LowerCase(const Text& text);

}  // namespace platform
