#pragma once
// The few raw registry operations the settings code needs, in the shape of the
// Windows calls they stand for. RegistrySession builds the value semantics on
// top, so the Win32 backend and the in-memory stand-in behave identically.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Text.h"

namespace platform {

enum class RootKey { LocalMachine, CurrentUser };

// Registry value types, numbered as Windows numbers them.
enum class ValueType : uint32_t {
  None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4, MultiString = 7, Qword = 11,
};

enum class Access { Read, All };

using KeyHandle = uintptr_t;

struct QueryResult {
  enum class Status { Ok, MoreData, NotFound, Failed } status = Status::NotFound;
  ValueType type = ValueType::None;
  size_t size = 0;               // the value's full data size in bytes
  std::vector<uint8_t> data;     // at most the requested number of bytes
};

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  virtual bool OpenKey(RootKey root, const Text& path, Access access, KeyHandle& key) = 0;
  // Opens the key, creating every missing level.
  virtual bool CreateKey(RootKey root, const Text& path, KeyHandle& key) = 0;
  virtual void CloseKey(KeyHandle key) = 0;
  // Reads at most maxBytes of the value's data; MoreData when it holds more.
  virtual QueryResult QueryValue(KeyHandle key, const Text& name, size_t maxBytes) = 0;
  virtual bool SetValue(KeyHandle key, const Text& name, ValueType type, const std::vector<uint8_t>& data) = 0;
  virtual bool DeleteValue(KeyHandle key, const Text& name) = 0;
};

}  // namespace platform
