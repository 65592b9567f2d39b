// Name lookups over a skin model's tables: the parent-chain walk they share,
// and a hashed index that answers them alike for many lookups in a row.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "skin/sSkinData.h"

namespace wakespan {

class TsSkinModel;

// Tries `match(name)`, then the same along the PARENTCLASS chain of section
// `skinIndex` (section positions by name from `skinIndexOf`); -1 when
// skinIndex is negative or the name empty. The walk ends at an index outside
// `gd`, an empty parent, a parent naming the current name, or a section met
// before (a loop).
template <typename SkinIndexOf, typename Match>
int FindInherited(const std::vector<TsGeneralData>& gd, int skinIndex, std::string_view name,
                  SkinIndexOf skinIndexOf, Match match) {
  // Past the first step a section is reached by its own name, so meeting it
  // again repeats the same failed tries: a loop back to the first section
  // ends the walk at once, any other loop once Brent's cycle check sees it
  // (no list of met sections, no allocation).
  const int first = skinIndex;
  int saved = -1;
  size_t stepsSinceSaved = 0, nextSave = 1;
  while (skinIndex >= 0 && !name.empty()) {
    const int found = match(name);
    if (found >= 0 || size_t(skinIndex) >= gd.size()) return found;
    const std::string& parent = gd[size_t(skinIndex)].ParentClass;
    if (parent.empty() || parent == name) return -1;
    skinIndex = skinIndexOf(parent);
    if (skinIndex == first || skinIndex == saved) return -1;  // the chain loops back
    if (++stepsSinceSaved == nextSave) {
      saved = skinIndex;
      stepsSinceSaved = 0;
      nextSave *= 2;
    }
    name = parent;
  }
  return -1;
}

// The model's section and mask lookups with the same results, hashed. Built
// over tables that stay unchanged while it is used (it keeps views of their
// names); the loader resolves its cached indexes with it.
class TsSkinTableIndex {
 public:
  explicit TsSkinTableIndex(const TsSkinModel& model);

  int GetSkinIndex(std::string_view name) const;
  int GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const;
  int GetMaskIndex(std::string_view name, std::string_view key) const;
  int GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const;

 private:
  using NameKey = std::pair<std::string_view, std::string_view>;
  struct NameKeyHash {
    size_t operator()(const NameKey& k) const {
      const std::hash<std::string_view> h;
      return h(k.first) * 31 ^ h(k.second);
    }
  };
  using FirstEntries = std::unordered_map<NameKey, int, NameKeyHash>;

  static int Find(const FirstEntries& entries, std::string_view name, std::string_view key);

  const TsSkinModel& model_;
  std::unordered_map<std::string_view, int> sections_;  // first section of each name
  FirstEntries masks_;     // first mask entry of each (section, key)
  FirstEntries textures_;  // the same over texture entries
};

}  // namespace wakespan
