#include "skin/data/acThirdParty.h"

namespace wakespan {

namespace {

struct Kind {
  std::string_view name;
  std::string ThirdPartyList::*text;
  std::string_view defaults;
};

// Kind order is the order of the wrappers' lists; "a single blank" marks a
// kind this program leaves without classes.
const Kind kKinds[kThirdPartyKindCount] = {
    {"Edit", &ThirdPartyList::ThirdEdits,
     "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\nTRichEdit\r\n"
     "TDateTimePicker"},
    {"Button", &ThirdPartyList::ThirdButtons, "TButton"},
    {"BitBtn", &ThirdPartyList::ThirdBitBtns, "TBitBtn"},
    {"CheckBox", &ThirdPartyList::ThirdCheckBoxes, "TCheckBox\r\nTRadioButton\r\nTGroupButton"},
    {"ComboBox", &ThirdPartyList::ThirdComboBoxes, "TComboBox\r\nTColorBox"},
    {"Grid", &ThirdPartyList::ThirdGrids, "TStringGrid\r\nTDrawGrid"},
    {"GroupBox", &ThirdPartyList::ThirdGroupBoxes, "TGroupBox\r\nTRadioGroup"},
    {"ListView", &ThirdPartyList::ThirdListViews, "TListView"},
    {"Panel", &ThirdPartyList::ThirdPanels, "TPanel"},
    {"TreeView", &ThirdPartyList::ThirdTreeViews, "TTreeView"},
    {"wwEdit", &ThirdPartyList::ThirdWWEdits, " "},
    {"GridEh", &ThirdPartyList::ThirdGridEh, " "},
    {"VirtualTree", &ThirdPartyList::ThirdVirtualTrees, " "},
    {"PageControl", &ThirdPartyList::ThirdPageControl, "TPageControl"},
    {"TabControl", &ThirdPartyList::ThirdTabControl, "TTabControl"},
    {"ToolBar", &ThirdPartyList::ThirdToolBar, "TToolBar"},
    {"StatusBar", &ThirdPartyList::ThirdStatusBar, "TStatusBar"},
    {"SpeedButton", &ThirdPartyList::ThirdSpeedButton, "TSpeedButton"},
};

}  // namespace

std::string& ThirdPartyList::Text(size_t index) { return this->*kKinds[index].text; }
const std::string& ThirdPartyList::Text(size_t index) const { return this->*kKinds[index].text; }

void ThirdPartyList::FillEmptyWithDefaults() {
  for (size_t i = 0; i < kThirdPartyKindCount; ++i)
    if (Text(i).empty()) Text(i) = std::string(kKinds[i].defaults);
}

std::string_view ThirdPartyKindName(size_t index) { return kKinds[index].name; }
std::string_view ThirdPartyDefault(size_t index) { return kKinds[index].defaults; }

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void RebuildThirdLists(const ThirdPartyList& texts, ThirdLists_t& lists) {
  for (size_t i = 0; i < kThirdPartyKindCount; ++i) lists[i] = SplitLines(texts.Text(i));
}

void WriteBackThirdLists(const ThirdLists_t& lists, ThirdPartyList& texts) {
  for (size_t i = 0; i < kThirdPartyKindCount; ++i) texts.Text(i) = JoinLines(lists[i]);
}

}  // namespace wakespan
