#include "platform/win32/WideText.h"

namespace platform {

std::wstring WideFromUtf8(const std::string& utf8) { return Wide(FromUtf8(utf8)); }

}  // namespace platform
