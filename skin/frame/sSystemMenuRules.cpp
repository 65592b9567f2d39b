#include "skin/frame/sSystemMenuRules.h"

#include <algorithm>

namespace wakespan {

namespace {

bool SingleOrSizeable(const TsSysMenuForm& f) {
  return f.Border == TsBorderStyle::Single || f.Border == TsBorderStyle::Sizeable;
}

bool NormalState(const TsSysMenuForm& f) { return !f.Maximized && !f.Minimized; }

struct StandardCommand {
  TsSysItemKind Kind;
  uint32_t Command;
  const char16_t* Fallback;  // when the window's menu lacks the command
};

constexpr StandardCommand kRestore{TsSysItemKind::Restore, kScRestore, u"Restore"};
constexpr StandardCommand kMove{TsSysItemKind::Move, kScMove, u"Move"};
constexpr StandardCommand kSize{TsSysItemKind::Size, kScSize, u"Size"};
constexpr StandardCommand kMinimize{TsSysItemKind::Minimize, kScMinimize, u"Minimize"};
constexpr StandardCommand kMaximize{TsSysItemKind::Maximize, kScMaximize, u"Maximize"};
constexpr StandardCommand kClose{TsSysItemKind::Close, kScClose, u"Close"};

// An entry's caption is its text before the first tab, cut to the
// longest caption without splitting a surrogate pair; the shortcut is
// the text after the tab.
void SplitEntryText(const std::u16string& text, TsSysMenuItem& item) {
  const size_t tab = text.find(u'\t');
  size_t end = std::min(tab, kMaxSysCaption);
  if (end == kMaxSysCaption && end < text.size()) {
    const char16_t last = text[end - 1];
    if (last >= 0xD800 && last <= 0xDBFF) --end;
  }
  item.Caption = text.substr(0, end);
  item.ShortCut = tab == std::u16string::npos ? std::u16string() : text.substr(tab + 1);
}

// Separators and submenus (id 0 or all bits) are not commands.
bool IsAddedCommand(const TsSysMenuEntry& e) { return !e.Separator && e.Id != 0 && e.Id < kScSize; }

TsSysMenuItem StandardItem(const StandardCommand& c, const std::vector<TsSysMenuEntry>& entries) {
  TsSysMenuItem item{c.Kind, c.Command, {}, {}, true, true};
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const TsSysMenuEntry& e) { return !e.Separator && e.Id == c.Command; });
  if (it != entries.end()) SplitEntryText(it->Text, item);
  // A missing command and one without a caption both get the engine's.
  if (item.Caption.empty()) item.Caption = c.Fallback;
  return item;
}

TsSysMenuItem Separator() { return TsSysMenuItem{}; }

struct ItemRule {
  TsSysItemKind Kind;
  bool (*Visible)(const TsSysMenuForm&);
  bool (*Enabled)(const TsSysMenuForm&);
};

bool Always(const TsSysMenuForm&) { return true; }

constexpr ItemRule kItemRules[] = {
    {TsSysItemKind::Restore, VisibleRestore, EnabledRestore}, {TsSysItemKind::Move, Always, EnabledMove},
    {TsSysItemKind::Size, VisibleSize, EnabledSize},          {TsSysItemKind::Minimize, VisibleMin, EnabledMin},
    {TsSysItemKind::Maximize, VisibleMax, EnabledMax},        {TsSysItemKind::Close, VisibleClose, Always},
};

}  // namespace

bool VisibleClose(const TsSysMenuForm& f) { return f.HaveSysMenu; }

bool VisibleMax(const TsSysMenuForm& f) {
  return VisibleClose(f) && (f.Minimized || f.MdiChild || (SingleOrSizeable(f) && f.BiMaximize));
}

bool VisibleMin(const TsSysMenuForm& f) {
  return VisibleClose(f) && (f.Minimized || f.MdiChild || (SingleOrSizeable(f) && f.BiMinimize));
}

bool VisibleRestore(const TsSysMenuForm& f) { return VisibleClose(f) && (f.MdiChild || SingleOrSizeable(f)); }

bool VisibleSize(const TsSysMenuForm& f) {
  return f.MdiChild || (f.Border != TsBorderStyle::None && f.Border != TsBorderStyle::Dialog &&
                        f.Border != TsBorderStyle::ToolWindow);
}

bool EnabledMax(const TsSysMenuForm& f) {
  return f.BiMaximize && (f.MdiChild || (!f.Maximized && SingleOrSizeable(f)));
}

bool EnabledMin(const TsSysMenuForm& f) { return f.BiMinimize && !f.Minimized; }

bool EnabledMove(const TsSysMenuForm& f) { return !f.Maximized; }

bool EnabledRestore(const TsSysMenuForm& f) { return (f.BiMaximize && !NormalState(f)) || f.Minimized; }

bool EnabledSize(const TsSysMenuForm& f) { return f.Border != TsBorderStyle::Single && !f.Minimized; }

TsTitleButtonRules TitleButtonRules(const TsSysMenuForm& f) {
  TsTitleButtonRules rules;
  rules.HaveSysMenu = VisibleClose(f);
  rules.ShowMax = VisibleMax(f);
  rules.ShowMin = VisibleMin(f);
  rules.ShowHelp = VisibleClose(f) && f.BiHelp;
  rules.EnabledMax = EnabledMax(f);
  rules.EnabledMin = EnabledMin(f);
  rules.EnabledRestore = EnabledRestore(f);
  return rules;
}

TsSysMenuItems GenerateSysMenu(const std::optional<std::vector<TsSysMenuEntry>>& windowMenu) {
  TsSysMenuItems menu;
  if (!windowMenu) return menu;
  const std::vector<TsSysMenuEntry>& entries = *windowMenu;
  for (const StandardCommand* c : {&kRestore, &kMove, &kSize, &kMinimize, &kMaximize})
    menu.Items.push_back(StandardItem(*c, entries));
  menu.Items.push_back(Separator());
  for (const TsSysMenuEntry& e : entries) {
    if (!IsAddedCommand(e)) continue;
    TsSysMenuItem item{TsSysItemKind::Added, e.Id, {}, {}, true, true};
    SplitEntryText(e.Text, item);
    menu.Items.push_back(item);
    ++menu.ExtItemsCount;
  }
  if (menu.ExtItemsCount > 0) menu.Items.push_back(Separator());
  menu.Items.push_back(StandardItem(kClose, entries));
  return menu;
}

bool NeedsGenerate(const TsSysMenuItems& menu, bool full) {
  return full || std::none_of(menu.Items.begin(), menu.Items.end(),
                              [](const TsSysMenuItem& i) { return i.Kind == TsSysItemKind::Close; });
}

void UpdateSysMenuItems(TsSysMenuItems& menu, const TsSysMenuForm& f) {
  for (TsSysMenuItem& item : menu.Items)
    for (const ItemRule& rule : kItemRules)
      if (rule.Kind == item.Kind) {
        item.Visible = rule.Visible(f);
        item.Enabled = rule.Enabled(f);
      }
}

TsSysMenuChoice ChoiceOf(const TsSysMenuItem& item) {
  TsSysMenuChoice choice;
  choice.Command = item.Command;
  choice.Post = item.Kind == TsSysItemKind::Added;
  choice.SkipAnimation = item.Kind == TsSysItemKind::Minimize;
  choice.RefreshAfter = item.Kind == TsSysItemKind::Restore || item.Kind == TsSysItemKind::Minimize ||
                        item.Kind == TsSysItemKind::Maximize;
  return choice;
}

std::array<TsCommandEnabling, 6> NativeSysMenuEnabling(const TsSysMenuForm& f) {
  return {{
      {kScRestore, VisibleRestore(f) && EnabledRestore(f)},
      {kScMove, EnabledMove(f) && !f.Minimized},
      {kScSize, VisibleSize(f) && EnabledSize(f) && NormalState(f)},
      {kScMinimize, VisibleMin(f) && EnabledMin(f)},
      {kScMaximize, VisibleMax(f) && EnabledMax(f)},
      {kScClose, VisibleClose(f)},
  }};
}

Point SysMenuDropPoint(TsMenuDrop where, const TsDropMeasures& m) {
  const int left = m.WindowTopLeft.X + m.FrameWidth;
  const int belowIcon = m.WindowTopLeft.Y + m.BorderHeight + m.IconHeight;
  switch (where) {
    case TsMenuDrop::UnderIcon: return Point{left, belowIcon + m.FrameWidth};
    case TsMenuDrop::UnderIconByKey: return Point{left, belowIcon};
    case TsMenuDrop::AtMouse:
    case TsMenuDrop::None: break;
  }
  return m.Mouse;
}

}  // namespace wakespan
