// Which wrapper a control gets: its class name is searched in the
// manager's 18 class lists, and the first list holding it decides the
// wrapper and its default section.
#pragma once

#include <optional>
#include <string_view>

#include "skin/data/acThirdParty.h"

namespace wakespan {

enum class TacWrapperKind {
  Edit, Button, BitBtn, CheckBox, ComboBox, Grid, GroupBox, ListView, Panel, TreeView, WWComboBox, GridEh,
  VirtualTree, PageControl, TabControl, ToolBarVCL, StatusBar,
  None,  // speed buttons: graphic controls, registered apart
};

struct TacWrapperRow {
  TacWrapperKind Kind;
  const char* DefaultSection;  // empty: the wrapper chooses (panels by their bevels)
};

// The row of list `index` (0 .. kThirdPartyKindCount - 1).
const TacWrapperRow& WrapperRow(size_t index);

// The default section of a wrapper kind ("" for panels and speed buttons).
const char* DefaultSection(TacWrapperKind kind);

// The index of the first list holding `className` exactly.
std::optional<size_t> FindThirdPartyList(const ThirdLists_t& lists, std::string_view className);

// Bevels of a panel.
enum class TacBevel { None, Lowered, Raised };
// A panel's section by its bevels: lowered outside "GROUPBOX" when raised
// inside, else "PANEL_LOW"; raised outside "GROUPBOX" when lowered inside,
// else "PANEL"; no outer bevel "PANEL_LOW" with a single border, else
// "CHECKBOX".
const char* PanelSection(TacBevel outer, TacBevel inner, bool singleBorder);

}  // namespace wakespan
