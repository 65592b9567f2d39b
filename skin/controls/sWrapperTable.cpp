#include "skin/controls/sWrapperTable.h"

#include <algorithm>

#include "skin/data/sSkinProps.h"

namespace wakespan {
namespace {

using K = TacWrapperKind;

constexpr TacWrapperRow kRows[kThirdPartyKindCount] = {
    {K::Edit, s_Edit},        {K::Button, s_Button},         {K::BitBtn, s_Button},
    {K::CheckBox, s_CheckBox}, {K::ComboBox, s_Edit},         {K::Grid, s_Edit},
    {K::GroupBox, s_GroupBox}, {K::ListView, s_Edit},         {K::Panel, ""},
    {K::TreeView, s_Edit},     {K::WWComboBox, s_Edit},       {K::GridEh, s_Edit},
    {K::VirtualTree, s_Edit},  {K::PageControl, s_PageControl}, {K::TabControl, s_PageControl},
    {K::ToolBarVCL, s_ToolBar}, {K::StatusBar, s_StatusBar},   {K::None, ""},
};

}  // namespace

const TacWrapperRow& WrapperRow(size_t index) { return kRows[std::min(index, kThirdPartyKindCount - 1)]; }

const char* DefaultSection(TacWrapperKind kind) { return kRows[std::min(size_t(kind), kThirdPartyKindCount - 1)].DefaultSection; }

std::optional<size_t> FindThirdPartyList(const ThirdLists_t& lists, std::string_view className) {
  for (size_t i = 0; i < lists.size(); ++i)
    if (std::find(lists[i].begin(), lists[i].end(), className) != lists[i].end()) return i;
  return std::nullopt;
}

const char* PanelSection(TacBevel outer, TacBevel inner, bool singleBorder) {
  switch (outer) {
    case TacBevel::Lowered: return inner == TacBevel::Raised ? s_GroupBox : s_PanelLow;
    case TacBevel::Raised: return inner == TacBevel::Lowered ? s_GroupBox : s_Panel;
    default: return singleBorder ? s_PanelLow : s_CheckBox;
  }
}

}  // namespace wakespan
