#include "skin/sSkinLookup.h"

#include "skin/sSkinManager.h"

namespace wakespan {

TsSkinTableIndex::TsSkinTableIndex(const TsSkinModel& model)
    : model_(model), sections_(model.gd.size()), masks_(model.ma.size()) {
  for (size_t i = 0; i < model.gd.size(); ++i) sections_.Add(model.gd[i].ClassName, int(i));
  for (size_t i = 0; i < model.ma.size(); ++i) {
    const TsMaskData& m = model.ma[i];
    masks_.Add(NameKey(m.ClassName, m.PropertyName), int(i));
    if (m.ImgType == itisaTexture) textures_.Add(NameKey(m.ClassName, m.PropertyName), int(i));
  }
}

int TsSkinTableIndex::GetSkinIndex(std::string_view name) const { return sections_.Find(name); }

int TsSkinTableIndex::GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(
      model_.gd, skinIndex, name, [this](std::string_view n) { return GetSkinIndex(n); },
      [&](std::string_view n) { return masks_.Find(NameKey(n, key)); });
}

int TsSkinTableIndex::GetMaskIndex(std::string_view name, std::string_view key) const {
  return masks_.Find(NameKey(name, key));
}

int TsSkinTableIndex::GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(
      model_.gd, skinIndex, name, [this](std::string_view n) { return GetSkinIndex(n); },
      [&](std::string_view n) { return textures_.Find(NameKey(n, key)); });
}

}  // namespace wakespan
