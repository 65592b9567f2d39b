#include "skin/sSkinLookup.h"

#include "skin/sSkinManager.h"

namespace wakespan {

TsSkinTableIndex::TsSkinTableIndex(const TsSkinModel& model) : model_(model) {
  sections_.reserve(model.gd.size());
  for (size_t i = 0; i < model.gd.size(); ++i) sections_.emplace(model.gd[i].ClassName, int(i));
  masks_.reserve(model.ma.size());
  for (size_t i = 0; i < model.ma.size(); ++i) {
    const TsMaskData& m = model.ma[i];
    masks_.emplace(NameKey(m.ClassName, m.PropertyName), int(i));  // keeps the first
    if (m.ImgType == itisaTexture) textures_.emplace(NameKey(m.ClassName, m.PropertyName), int(i));
  }
}

int TsSkinTableIndex::Find(const FirstEntries& entries, std::string_view name, std::string_view key) {
  const auto it = entries.find(NameKey(name, key));
  return it == entries.end() ? -1 : it->second;
}

int TsSkinTableIndex::GetSkinIndex(std::string_view name) const {
  const auto it = sections_.find(name);
  return it == sections_.end() ? -1 : it->second;
}

int TsSkinTableIndex::GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(
      model_.gd, skinIndex, name, [this](std::string_view n) { return GetSkinIndex(n); },
      [&](std::string_view n) { return Find(masks_, n, key); });
}

int TsSkinTableIndex::GetMaskIndex(std::string_view name, std::string_view key) const {
  return Find(masks_, name, key);
}

int TsSkinTableIndex::GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(
      model_.gd, skinIndex, name, [this](std::string_view n) { return GetSkinIndex(n); },
      [&](std::string_view n) { return Find(textures_, n, key); });
}

}  // namespace wakespan
