// Name lookups over a skin model's tables: the parent-chain walk they share,
// and a hashed index that answers them alike for many lookups in a row.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/data/FirstIndex.h"
#include "skin/data/sSkinData.h"

namespace wakespan {

class TsSkinModel;

// Tries `match(name, section)`, then the same along the PARENTCLASS chain of
// section `skinIndex`; -1 when skinIndex is negative or the name empty.
// `parentOf(i)` is the position of the first section named like section i's
// parent. `section` is -1 for the caller's own name and, further up the
// chain, the section whose exact name `name` is, so a matcher may answer
// from facts kept per section. The walk ends at an index outside `gd`, an
// empty parent, a parent naming the current name, or a section met before
// (a loop).
template <typename ParentOf, typename Match>
int FindInherited(const std::vector<TsGeneralData>& gd, int skinIndex, std::string_view name, ParentOf parentOf,
                  Match match) {
  // Past the first step a section is reached by its own name, so meeting it
  // again repeats the same failed tries: a loop back to the first section
  // ends the walk at once, any other loop once Brent's cycle check sees it
  // (no list of met sections, no allocation).
  const int first = skinIndex;
  int saved = -1, section = -1;
  size_t stepsSinceSaved = 0, nextSave = 1;
  while (skinIndex >= 0 && !name.empty()) {
    const int found = match(name, section);
    if (found >= 0 || size_t(skinIndex) >= gd.size()) return found;
    const std::string& parent = gd[size_t(skinIndex)].ParentClass;
    if (parent.empty() || parent == name) return -1;
    skinIndex = parentOf(skinIndex);
    if (skinIndex == first || skinIndex == saved) return -1;  // the chain loops back
    if (++stepsSinceSaved == nextSave) {
      saved = skinIndex;
      stepsSinceSaved = 0;
      nextSave *= 2;
    }
    name = parent;
    section = skinIndex;
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
  // GetMaskIndex(i, gd[i].ClassName, key) for every section i, with each
  // mask matched to its section once instead of once per walk that passes it.
  std::vector<int> InheritedMasksOfAllSections(std::string_view key) const;

 private:
  // Names compare exactly here, letter case included.
  using NameKey = std::pair<std::string_view, std::string_view>;
  using FirstEntries = FirstIndex<NameKey>;

  template <typename Match>
  int FindInherited(int skinIndex, std::string_view name, Match match) const;

  const TsSkinModel& model_;
  FirstIndex<std::string_view> sections_;  // first section of each name
  std::vector<int> firstOfName_;           // first section named like each section
  std::vector<int> parentOf_;              // first section named like each section's parent
  FirstEntries masks_;     // first mask entry of each (section, key)
  FirstEntries textures_;  // the same over texture entries
};

}  // namespace wakespan
