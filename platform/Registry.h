#pragma once
// A registry session: one open root, at most one open key, typed reads and
// writes with fixed error texts. Every reader opens its own session and drops
// it before returning, so nothing is held between handlers.
#include <cstdint>
#include <stdexcept>

#include "platform/RegistryBackend.h"

namespace platform {

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RegistrySession {
 public:
  RegistrySession(RegistryBackend& backend, RootKey root);
  ~RegistrySession();
  RegistrySession(const RegistrySession&) = delete;
  RegistrySession& operator=(const RegistrySession&) = delete;

  // True when the key can be opened for reading.
  bool KeyExists(const Text& path);
  // Throws "Failed to create key <path>".
  void CreateKey(const Text& path);
  // Opens the key with full access. A key that cannot be opened is not an
  // error: the session is left with no key open and later accesses fail.
  bool OpenKey(const Text& path);
  void CloseKey();
  bool HasOpenKey() const { return open_; }

  // Flags and integers: exactly four bytes of type REG_DWORD. Throws
  // "Failed to get data for '<name>'" or "Invalid data type for '<name>'".
  bool ReadBool(const Text& name);
  int32_t ReadInteger(const Text& name);
  // Texts: missing, empty or unreadable gives ""; REG_SZ and REG_EXPAND_SZ are
  // taken literally up to the first NUL; other types throw "Invalid data type".
  Text ReadString(const Text& name);

  // Throw "Failed to set data for '<name>'".
  void WriteBool(const Text& name, bool value);
  void WriteInteger(const Text& name, int32_t value);
  void WriteString(const Text& name, const Text& value);
  // Fails silently when the value or the open key is missing.
  bool DeleteValue(const Text& name);

 private:
  void Write(const Text& name, ValueType type, const std::vector<uint8_t>& data);

  RegistryBackend& backend_;
  RootKey root_;
  KeyHandle key_ = 0;
  bool open_ = false;
};

}  // namespace platform
