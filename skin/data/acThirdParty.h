// The control class names that decide which wrapper a standard control
// gets: 18 kinds, each kept as CR LF text (the stored property) and as a
// list of names (what the wrappers search).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wakespan {

inline constexpr size_t kThirdPartyKindCount = 18;

// The stored texts, one per kind, class names separated by CR LF.
struct ThirdPartyList {
  std::string ThirdEdits, ThirdButtons, ThirdBitBtns, ThirdCheckBoxes, ThirdComboBoxes, ThirdGrids,
      ThirdGroupBoxes, ThirdListViews, ThirdPanels, ThirdTreeViews, ThirdWWEdits, ThirdGridEh,
      ThirdVirtualTrees, ThirdPageControl, ThirdTabControl, ThirdToolBar, ThirdStatusBar, ThirdSpeedButton;

  // The text of kind `index` (0 .. kThirdPartyKindCount - 1).
  std::string& Text(size_t index);
  const std::string& Text(size_t index) const;

  // Gives every empty text its kind's default.
  void FillEmptyWithDefaults();
};

// Kind `index`: its name ("Edit", "Button", ...) and default text.
std::string_view ThirdPartyKindName(size_t index);
std::string_view ThirdPartyDefault(size_t index);

// A list of class names per kind, in kind order.
using ThirdLists_t = std::array<std::vector<std::string>, kThirdPartyKindCount>;

// Names of a CR LF text: a lone CR or LF also ends a name, a final line
// end adds none.
std::vector<std::string> SplitLines(std::string_view text);
// The names joined by CR LF, without a final line end.
std::string JoinLines(const std::vector<std::string>& lines);

// Every list rebuilt from its text, and every text written back from its list.
void RebuildThirdLists(const ThirdPartyList& texts, ThirdLists_t& lists);
void WriteBackThirdLists(const ThirdLists_t& lists, ThirdPartyList& texts);

}  // namespace wakespan
