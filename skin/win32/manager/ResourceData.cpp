#include "skin/win32/manager/ResourceData.h"

#include <windows.h>

namespace wakespan {

ByteBuffer ResourceBytes(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!data) return {};
  return ByteBuffer(data, data + SizeofResource(module, resource));
}

}  // namespace wakespan
