#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace platform {

namespace {

HKEY Root(RootKey root) { return root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }
KeyHandle FromHkey(HKEY key) { return reinterpret_cast<KeyHandle>(key); }

// The read right the existence test uses: enough to look, not to change.
constexpr REGSAM kReadAccess = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;

}  // namespace

bool Win32Registry::OpenKey(RootKey root, const Text& path, Access access, KeyHandle& key) {
  HKEY opened = nullptr;
  REGSAM sam = access == Access::All ? KEY_ALL_ACCESS : kReadAccess;
  if (RegOpenKeyExW(Root(root), Wide(path).c_str(), 0, sam, &opened) != ERROR_SUCCESS) return false;
  key = FromHkey(opened);
  return true;
}

bool Win32Registry::CreateKey(RootKey root, const Text& path, KeyHandle& key) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(Root(root), Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &created, nullptr) != ERROR_SUCCESS)
    return false;
  key = FromHkey(created);
  return true;
}

void Win32Registry::CloseKey(KeyHandle key) { RegCloseKey(ToHkey(key)); }

QueryResult Win32Registry::QueryValue(KeyHandle key, const Text& name, size_t maxBytes) {
  QueryResult r;
  DWORD type = REG_NONE;
  DWORD size = static_cast<DWORD>(maxBytes);
  r.data.resize(maxBytes);
  LONG status = RegQueryValueExW(ToHkey(key), Wide(name).c_str(), nullptr, &type,
                                 maxBytes ? r.data.data() : nullptr, &size);
  r.type = static_cast<ValueType>(type);
  r.size = size;
  switch (status) {
    case ERROR_SUCCESS:
      r.status = QueryResult::Status::Ok;
      r.data.resize(maxBytes ? size : 0);
      break;
    case ERROR_MORE_DATA:
      r.status = QueryResult::Status::MoreData;
      r.data.clear();
      break;
    case ERROR_FILE_NOT_FOUND:
      r.status = QueryResult::Status::NotFound;
      r.data.clear();
      break;
    default:
      r.status = QueryResult::Status::Failed;
      r.data.clear();
  }
  return r;
}

bool Win32Registry::SetValue(KeyHandle key, const Text& name, ValueType type, const std::vector<uint8_t>& data) {
  return RegSetValueExW(ToHkey(key), Wide(name).c_str(), 0, static_cast<DWORD>(type), data.data(),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(KeyHandle key, const Text& name) {
  return RegDeleteValueW(ToHkey(key), Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
