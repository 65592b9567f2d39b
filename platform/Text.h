#pragma once
// Program text is UTF-16, the registry's and the Win32 API's own encoding, so
// the portable code and the Windows layer exchange it without conversion.
#include <string>

namespace platform {

using Text = std::u16string;

// UTF-8 <-> UTF-16 for messages, tests and tools. Invalid sequences become U+FFFD.
std::string ToUtf8(const Text& text);
Text FromUtf8(const std::string& utf8);

}  // namespace platform
