#pragma once
// An in-memory registry with the Windows registry's rules (case-insensitive
// key and value names, typed byte values), for builds and tests without
// Windows. Access can be restricted to imitate a user without write rights.
#include <map>
#include <optional>

#include "platform/RegistryBackend.h"

namespace platform {

class MemoryRegistry : public RegistryBackend {
 public:
  struct Value {
    ValueType type;
    std::vector<uint8_t> data;
  };

  bool OpenKey(RootKey root, const Text& path, Access access, KeyHandle& key) override;
  bool CreateKey(RootKey root, const Text& path, KeyHandle& key) override;
  void CloseKey(KeyHandle key) override;
  QueryResult QueryValue(KeyHandle key, const Text& name, size_t maxBytes) override;
  bool SetValue(KeyHandle key, const Text& name, ValueType type, const std::vector<uint8_t>& data) override;
  bool DeleteValue(KeyHandle key, const Text& name) override;

  // Test controls: read-only refuses full-access opens and key creation.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool HasKey(RootKey root, const Text& path) const;
  std::optional<Value> Get(RootKey root, const Text& path, const Text& name) const;
  void Put(RootKey root, const Text& path, const Text& name, ValueType type, std::vector<uint8_t> data);
  size_t OpenHandleCount() const { return handles_.size(); }

 private:
  using Values = std::map<Text, Value>;  // keyed by the folded name
  struct Key {
    Values values;
  };
  static Text Fold(Text s);
  static Text KeyId(RootKey root, const Text& path);
  Key* Find(KeyHandle key);

  std::map<Text, Key> keys_;             // keyed by root + folded path
  std::map<KeyHandle, Text> handles_;    // open handle -> key id
  KeyHandle nextHandle_ = 1;
  bool readOnly_ = false;
};

}  // namespace platform
