// Name lookups over a skin model's tables: the parent-chain walk they share,
// and a hashed index that answers them alike for many lookups in a row.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/FirstIndex.h"
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
  // Names compare exactly here, letter case included.
  struct NameHash {
    uint64_t operator()(std::string_view name) const { return HashName<SameByte>(name); }
  };
  using NameKey = std::pair<std::string_view, std::string_view>;
  struct NameKeyHash {
    // A byte no name holds keeps ("AB", "C") apart from ("A", "BC").
    uint64_t operator()(const NameKey& k) const {
      return HashName<SameByte>(k.second, HashName<SameByte>(k.first) ^ 0xFF);
    }
  };
  using FirstEntries = FirstIndex<NameKey, NameKeyHash>;

  const TsSkinModel& model_;
  FirstIndex<std::string_view, NameHash> sections_;  // first section of each name
  FirstEntries masks_;     // first mask entry of each (section, key)
  FirstEntries textures_;  // the same over texture entries
};

}  // namespace wakespan
