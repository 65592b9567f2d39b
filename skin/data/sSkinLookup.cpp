#include "skin/data/sSkinLookup.h"

#include "skin/data/sSkinManager.h"

namespace wakespan {

TsSkinTableIndex::TsSkinTableIndex(const TsSkinModel& model)
    : model_(model), sections_(model.gd.size()), masks_(model.ma.size()) {
  firstOfName_.reserve(model.gd.size());
  for (size_t i = 0; i < model.gd.size(); ++i) firstOfName_.push_back(sections_.Add(model.gd[i].ClassName, int(i)));
  parentOf_.reserve(model.gd.size());
  for (const TsGeneralData& g : model.gd) parentOf_.push_back(sections_.Find(g.ParentClass));
  for (size_t i = 0; i < model.ma.size(); ++i) {
    const TsMaskData& m = model.ma[i];
    masks_.Add(NameKey(m.ClassName, m.PropertyName), int(i));
    if (m.ImgType == itisaTexture) textures_.Add(NameKey(m.ClassName, m.PropertyName), int(i));
  }
}

int TsSkinTableIndex::GetSkinIndex(std::string_view name) const { return sections_.Find(name); }

template <typename Match>
int TsSkinTableIndex::FindInherited(int skinIndex, std::string_view name, Match match) const {
  return wakespan::FindInherited(
      model_.gd, skinIndex, name, [this](int i) { return parentOf_[size_t(i)]; }, match);
}

int TsSkinTableIndex::GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(skinIndex, name, [&](std::string_view n, int) { return masks_.Find(NameKey(n, key)); });
}

int TsSkinTableIndex::GetMaskIndex(std::string_view name, std::string_view key) const {
  return masks_.Find(NameKey(name, key));
}

int TsSkinTableIndex::GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(skinIndex, name, [&](std::string_view n, int) { return textures_.Find(NameKey(n, key)); });
}

std::vector<int> TsSkinTableIndex::InheritedMasksOfAllSections(std::string_view key) const {
  const std::vector<TsGeneralData>& gd = model_.gd;
  // The first mask of the key named like each section, kept at the first
  // section of that name, which every section of the name reads.
  std::vector<int> own(gd.size(), -1);
  for (size_t m = 0; m < model_.ma.size(); ++m) {
    if (model_.ma[m].PropertyName != key) continue;
    const int section = sections_.Find(model_.ma[m].ClassName);
    if (section >= 0 && own[size_t(section)] < 0) own[size_t(section)] = int(m);
  }
  std::vector<int> inherited(gd.size());
  for (size_t i = 0; i < gd.size(); ++i)
    inherited[i] = FindInherited(int(i), gd[i].ClassName, [&](std::string_view, int section) {
      return own[size_t(firstOfName_[section < 0 ? i : size_t(section)])];
    });
  return inherited;
}

}  // namespace wakespan
