#pragma once
#include "platform/RegistryBackend.h"

namespace platform {

// The raw registry operations over advapi32.
class Win32Registry : public RegistryBackend {
 public:
  bool OpenKey(RootKey root, const Text& path, Access access, KeyHandle& key) override;
  bool CreateKey(RootKey root, const Text& path, KeyHandle& key) override;
  void CloseKey(KeyHandle key) override;
  QueryResult QueryValue(KeyHandle key, const Text& name, size_t maxBytes) override;
  bool SetValue(KeyHandle key, const Text& name, ValueType type, const std::vector<uint8_t>& data) override;
  bool DeleteValue(KeyHandle key, const Text& name) override;
};

}  // namespace platform
