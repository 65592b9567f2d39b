#include "platform/MemoryRegistry.h"

namespace platform {

Text MemoryRegistry::Fold(Text s) {
  for (auto& c : s)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return s;
}

Text MemoryRegistry::KeyId(RootKey root, const Text& path) {
  Text id = root == RootKey::LocalMachine ? u"hklm" : u"hkcu";
  // Leading, trailing and doubled separators name the same key.
  Text part;
  for (char16_t c : path + u"\\") {
    if (c != u'\\') {
      part += c;
    } else if (!part.empty()) {
      id += u"\\" + Fold(part);
      part.clear();
    }
  }
  return id;
}

bool MemoryRegistry::OpenKey(RootKey root, const Text& path, Access access, KeyHandle& key) {
  if (access == Access::All && readOnly_) return false;
  Text id = KeyId(root, path);
  if (!keys_.count(id)) return false;
  key = nextHandle_++;
  handles_[key] = id;
  return true;
}

bool MemoryRegistry::CreateKey(RootKey root, const Text& path, KeyHandle& key) {
  if (readOnly_) return false;
  Text id = KeyId(root, path);
  // Create every level, as RegCreateKeyEx does.
  for (size_t pos = id.find(u'\\'); pos != Text::npos; pos = id.find(u'\\', pos + 1)) keys_[id.substr(0, pos)];
  keys_[id];
  key = nextHandle_++;
  handles_[key] = id;
  return true;
}

void MemoryRegistry::CloseKey(KeyHandle key) { handles_.erase(key); }

MemoryRegistry::Key* MemoryRegistry::Find(KeyHandle key) {
  auto h = handles_.find(key);
  if (h == handles_.end()) return nullptr;
  auto k = keys_.find(h->second);
  return k == keys_.end() ? nullptr : &k->second;
}

QueryResult MemoryRegistry::QueryValue(KeyHandle key, const Text& name, size_t maxBytes) {
  QueryResult r;
  Key* k = Find(key);
  if (!k) {
    r.status = QueryResult::Status::Failed;
    return r;
  }
  auto v = k->values.find(Fold(name));
  if (v == k->values.end()) return r;
  r.type = v->second.type;
  r.size = v->second.data.size();
  if (r.size > maxBytes) {
    r.status = maxBytes == 0 ? QueryResult::Status::Ok : QueryResult::Status::MoreData;
    return r;
  }
  r.status = QueryResult::Status::Ok;
  r.data = v->second.data;
  return r;
}

bool MemoryRegistry::SetValue(KeyHandle key, const Text& name, ValueType type, const std::vector<uint8_t>& data) {
  Key* k = Find(key);
  if (!k || readOnly_) return false;
  k->values[Fold(name)] = Value{type, data};
  return true;
}

bool MemoryRegistry::DeleteValue(KeyHandle key, const Text& name) {
  Key* k = Find(key);
  return k && !readOnly_ && k->values.erase(Fold(name)) > 0;
}

bool MemoryRegistry::HasKey(RootKey root, const Text& path) const { return keys_.count(KeyId(root, path)) > 0; }

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(RootKey root, const Text& path, const Text& name) const {
  auto k = keys_.find(KeyId(root, path));
  if (k == keys_.end()) return std::nullopt;
  auto v = k->second.values.find(Fold(name));
  if (v == k->second.values.end()) return std::nullopt;
  return v->second;
}

void MemoryRegistry::Put(RootKey root, const Text& path, const Text& name, ValueType type, std::vector<uint8_t> data) {
  KeyHandle key = 0;
  bool wasReadOnly = readOnly_;
  readOnly_ = false;
  CreateKey(root, path, key);
  SetValue(key, name, type, data);
  CloseKey(key);
  readOnly_ = wasReadOnly;
}

}  // namespace platform
