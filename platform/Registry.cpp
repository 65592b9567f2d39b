#include "platform/Registry.h"

namespace platform {

namespace {

std::string Quoted(const char* prefix, const Text& name) {
  return prefix + std::string("'") + ToUtf8(name) + "'";
}

[[noreturn]] void FailGet(const Text& name) { throw RegistryError(Quoted("Failed to get data for ", name)); }
[[noreturn]] void FailType(const Text& name) { throw RegistryError(Quoted("Invalid data type for ", name)); }

}  // namespace

RegistrySession::RegistrySession(RegistryBackend& backend, RootKey root) : backend_(backend), root_(root) {}

RegistrySession::~RegistrySession() { CloseKey(); }

bool RegistrySession::KeyExists(const Text& path) {
  KeyHandle probe = 0;
  if (!backend_.OpenKey(root_, path, Access::Read, probe)) return false;
  backend_.CloseKey(probe);
  return true;
}

void RegistrySession::CreateKey(const Text& path) {
  KeyHandle created = 0;
  if (!backend_.CreateKey(root_, path, created)) throw RegistryError("Failed to create key " + ToUtf8(path));
  backend_.CloseKey(created);
}

bool RegistrySession::OpenKey(const Text& path) {
  CloseKey();
  open_ = backend_.OpenKey(root_, path, Access::All, key_);
  return open_;
}

void RegistrySession::CloseKey() {
  if (open_) backend_.CloseKey(key_);
  open_ = false;
  key_ = 0;
}

bool RegistrySession::ReadBool(const Text& name) { return ReadInteger(name) != 0; }

int32_t RegistrySession::ReadInteger(const Text& name) {
  if (!open_) FailGet(name);
  QueryResult r = backend_.QueryValue(key_, name, 4);
  if (r.status != QueryResult::Status::Ok) FailGet(name);
  if (r.type != ValueType::Dword) FailType(name);
  // A shorter DWORD fills the low bytes; the rest stay zero.
  uint32_t value = 0;
  for (size_t i = 0; i < r.data.size() && i < 4; ++i) value |= uint32_t(r.data[i]) << (8 * i);
  return static_cast<int32_t>(value);
}

Text RegistrySession::ReadString(const Text& name) {
  if (!open_) return Text();
  QueryResult size = backend_.QueryValue(key_, name, 0);
  if (size.status == QueryResult::Status::NotFound || size.status == QueryResult::Status::Failed || size.size == 0)
    return Text();
  QueryResult r = backend_.QueryValue(key_, name, size.size);
  if (r.status != QueryResult::Status::Ok) FailGet(name);  // changed under our feet
  if (r.type != ValueType::String && r.type != ValueType::ExpandString) FailType(name);
  Text text;
  text.reserve(r.data.size() / 2);
  for (size_t i = 0; i + 1 < r.data.size(); i += 2) {
    char16_t c = static_cast<char16_t>(r.data[i] | (r.data[i + 1] << 8));
    if (c == 0) break;
    text += c;
  }
  return text;
}

void RegistrySession::Write(const Text& name, ValueType type, const std::vector<uint8_t>& data) {
  if (!open_ || !backend_.SetValue(key_, name, type, data))
    throw RegistryError(Quoted("Failed to set data for ", name));
}

void RegistrySession::WriteBool(const Text& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void RegistrySession::WriteInteger(const Text& name, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  Write(name, ValueType::Dword, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

void RegistrySession::WriteString(const Text& name, const Text& value) {
  std::vector<uint8_t> data;
  data.reserve((value.size() + 1) * 2);
  for (char16_t c : value) {
    data.push_back(uint8_t(c));
    data.push_back(uint8_t(c >> 8));
  }
  data.push_back(0);
  data.push_back(0);
  Write(name, ValueType::String, data);
}

bool RegistrySession::DeleteValue(const Text& name) { return open_ && backend_.DeleteValue(key_, name); }

}  // namespace platform
