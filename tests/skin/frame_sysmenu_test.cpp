// The skinned system menu: the commands a form offers, the items built
// from the window's own menu, and where the menu drops.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/frame/sSystemMenuRules.h"

namespace wakespan {
namespace {

using Entries = std::vector<TsSysMenuEntry>;

// The window menu Windows gives a sizeable window.
Entries StandardWindowMenu() {
  return {{kScRestore, u"&Restore", false},    {kScMove, u"&Move", false},         {kScSize, u"&Size", false},
          {kScMinimize, u"Mi&nimize", false},  {kScMaximize, u"Ma&ximize", false}, {0, u"", true},
          {kScClose, u"&Close\tAlt+F4", false}};
}

const TsSysMenuItem& ItemOf(const TsSysMenuItems& m, TsSysItemKind kind) {
  for (const TsSysMenuItem& i : m.Items)
    if (i.Kind == kind) return i;
  throw std::runtime_error("no such item");
}

TsSysMenuForm SingleForm() {
  TsSysMenuForm f;
  f.HaveSysMenu = true;
  f.BiMaximize = f.BiMinimize = true;
  return f;
}

TEST(SystemMenuRules, QueriesFollowBorderStyleIconsAndState) {
  TsSysMenuForm f = SingleForm();
  EXPECT_TRUE(VisibleMax(f) && VisibleMin(f) && VisibleRestore(f) && VisibleSize(f));
  EXPECT_TRUE(EnabledMax(f) && EnabledMin(f) && EnabledMove(f));
  EXPECT_FALSE(EnabledRestore(f));
  EXPECT_FALSE(EnabledSize(f));  // a fixed frame
  f.Maximized = true;
  EXPECT_FALSE(EnabledMax(f));
  EXPECT_FALSE(EnabledMove(f));
  EXPECT_TRUE(EnabledRestore(f));
  f.Maximized = false;
  f.Minimized = true;
  f.BiMaximize = false;
  EXPECT_TRUE(VisibleMax(f));  // minimized, maximize shows regardless
  EXPECT_FALSE(EnabledMin(f));
  EXPECT_TRUE(EnabledRestore(f));
  f.Minimized = false;
  f.Border = TsBorderStyle::ToolWindow;
  EXPECT_FALSE(VisibleMax(f) || VisibleMin(f) || VisibleRestore(f) || VisibleSize(f));
  f.MdiChild = true;
  EXPECT_TRUE(VisibleMin(f) && VisibleRestore(f) && VisibleSize(f));
  f.HaveSysMenu = false;
  EXPECT_FALSE(VisibleClose(f) || VisibleMax(f) || VisibleMin(f) || VisibleRestore(f));
}

TEST(SystemMenuRules, TitleButtonRulesAgreeWithTheMenu) {
  TsSysMenuForm f = SingleForm();
  f.BiMaximize = false;
  f.BiHelp = true;
  const TsTitleButtonRules r = TitleButtonRules(f);
  EXPECT_TRUE(r.HaveSysMenu && r.ShowMin && r.ShowHelp && r.EnabledMin);
  EXPECT_FALSE(r.ShowMax || r.EnabledMax || r.EnabledRestore);
  f.HaveSysMenu = false;
  EXPECT_FALSE(TitleButtonRules(f).ShowHelp);
}

TEST(SystemMenuRules, GenerateTakesCaptionsAndShortcutsInOrder) {
  const TsSysMenuItems m = GenerateSysMenu(StandardWindowMenu());
  ASSERT_EQ(m.Items.size(), 7u);
  EXPECT_EQ(m.ExtItemsCount, 0);
  const TsSysItemKind order[] = {TsSysItemKind::Restore,  TsSysItemKind::Move,     TsSysItemKind::Size,
                                 TsSysItemKind::Minimize, TsSysItemKind::Maximize, TsSysItemKind::Separator,
                                 TsSysItemKind::Close};
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(m.Items[i].Kind, order[i]) << i;
  EXPECT_EQ(m.Items[3].Caption, u"Mi&nimize");
  EXPECT_EQ(m.Items[3].Command, kScMinimize);
  EXPECT_EQ(m.Items[6].Caption, u"&Close");
  EXPECT_EQ(m.Items[6].ShortCut, u"Alt+F4");
  EXPECT_TRUE(m.Items[0].ShortCut.empty());
}

TEST(SystemMenuRules, AddedEntrySitsBetweenMaximizeAndCloseAndPostsItsId) {
  Entries e = StandardWindowMenu();
  e.insert(e.begin() + 5, TsSysMenuEntry{0x0110, u"&About...\tF1", false});
  e.insert(e.begin() + 5, TsSysMenuEntry{0, u"", true});
  const TsSysMenuItems m = GenerateSysMenu(e);
  EXPECT_EQ(m.ExtItemsCount, 1);
  ASSERT_EQ(m.Items.size(), 9u);
  EXPECT_EQ(m.Items[4].Kind, TsSysItemKind::Maximize);
  EXPECT_EQ(m.Items[5].Kind, TsSysItemKind::Separator);
  const TsSysMenuItem& added = m.Items[6];
  EXPECT_EQ(added.Kind, TsSysItemKind::Added);
  EXPECT_EQ(added.Caption, u"&About...");
  EXPECT_EQ(added.ShortCut, u"F1");
  EXPECT_EQ(m.Items[7].Kind, TsSysItemKind::Separator);
  EXPECT_EQ(m.Items[8].Kind, TsSysItemKind::Close);
  const TsSysMenuChoice c = ChoiceOf(added);
  EXPECT_EQ(c.Command, 0x0110u);
  EXPECT_TRUE(c.Post);
  EXPECT_FALSE(c.RefreshAfter);
  const TsSysMenuChoice min = ChoiceOf(ItemOf(m, TsSysItemKind::Minimize));
  EXPECT_FALSE(min.Post);
  EXPECT_TRUE(min.SkipAnimation && min.RefreshAfter);
  EXPECT_FALSE(ChoiceOf(ItemOf(m, TsSysItemKind::Close)).RefreshAfter);
}

TEST(SystemMenuRules, MissingOrOddEntriesGetDefinedCaptions) {
  Entries e = StandardWindowMenu();
  e.erase(e.begin() + 2);                                   // no SC_SIZE
  e[0].Text = u"";                                          // a restore without text
  e[1].Text = std::u16string(300, u'm');                    // no tab, far too long
  e.push_back(TsSysMenuEntry{0xFFFFFFFFu, u"Sub", false});  // a submenu
  const TsSysMenuItems m = GenerateSysMenu(e);
  EXPECT_EQ(ItemOf(m, TsSysItemKind::Size).Caption, u"Size");
  EXPECT_EQ(ItemOf(m, TsSysItemKind::Restore).Caption, u"Restore");
  EXPECT_EQ(ItemOf(m, TsSysItemKind::Move).Caption.size(), kMaxSysCaption);
  EXPECT_TRUE(ItemOf(m, TsSysItemKind::Move).ShortCut.empty());
  EXPECT_EQ(m.ExtItemsCount, 0);
  // A cut never splits a surrogate pair.
  e[1].Text = std::u16string(254, u'm') + u"\U0001F600";
  EXPECT_EQ(ItemOf(GenerateSysMenu(e), TsSysItemKind::Move).Caption.size(), 254u);
  // No window menu: nothing at all; an empty one: the engine's captions.
  EXPECT_TRUE(GenerateSysMenu(std::nullopt).Items.empty());
  const TsSysMenuItems empty = GenerateSysMenu(Entries{});
  ASSERT_EQ(empty.Items.size(), 7u);
  EXPECT_EQ(empty.Items.back().Caption, u"Close");
  EXPECT_EQ(empty.Items[3].Caption, u"Minimize");
}

TEST(SystemMenuRules, AltSpaceOnADialogShowsMoveAndClose) {
  TsSysMenuForm f;
  f.HaveSysMenu = true;
  f.Border = TsBorderStyle::Dialog;
  TsSysMenuItems m = GenerateSysMenu(StandardWindowMenu());
  UpdateSysMenuItems(m, f);
  EXPECT_FALSE(ItemOf(m, TsSysItemKind::Restore).Visible);
  EXPECT_FALSE(ItemOf(m, TsSysItemKind::Minimize).Visible);
  EXPECT_FALSE(ItemOf(m, TsSysItemKind::Maximize).Visible);
  EXPECT_FALSE(ItemOf(m, TsSysItemKind::Size).Visible);
  EXPECT_TRUE(ItemOf(m, TsSysItemKind::Move).Visible);
  EXPECT_TRUE(ItemOf(m, TsSysItemKind::Move).Enabled);
  EXPECT_TRUE(ItemOf(m, TsSysItemKind::Close).Visible);
  EXPECT_TRUE(ItemOf(m, TsSysItemKind::Close).Enabled);
  f.Maximized = true;
  UpdateSysMenuItems(m, f);
  EXPECT_FALSE(ItemOf(m, TsSysItemKind::Move).Enabled);
}

TEST(SystemMenuRules, RegenerationAndTheWindowsOwnMenu) {
  EXPECT_TRUE(NeedsGenerate(TsSysMenuItems{}, false));
  const TsSysMenuItems m = GenerateSysMenu(StandardWindowMenu());
  EXPECT_FALSE(NeedsGenerate(m, false));
  EXPECT_TRUE(NeedsGenerate(m, true));

  TsSysMenuForm f = SingleForm();
  f.Border = TsBorderStyle::Sizeable;
  f.Minimized = true;
  const auto states = NativeSysMenuEnabling(f);
  const bool expected[] = {true, false, false, false, true, true};  // restore .. close
  const uint32_t commands[] = {kScRestore, kScMove, kScSize, kScMinimize, kScMaximize, kScClose};
  for (size_t i = 0; i < states.size(); ++i) {
    EXPECT_EQ(states[i].Command, commands[i]);
    EXPECT_EQ(states[i].Enabled, expected[i]) << i;
  }
}

TEST(SystemMenuRules, DropPoints) {
  TsDropMeasures d;
  d.WindowTopLeft = Point{100, 50};
  d.FrameWidth = 3;
  d.BorderHeight = 3;
  d.IconHeight = 16;
  d.Mouse = Point{400, 60};
  EXPECT_EQ(SysMenuDropPoint(TsMenuDrop::UnderIcon, d).X, 103);
  EXPECT_EQ(SysMenuDropPoint(TsMenuDrop::UnderIcon, d).Y, 72);
  EXPECT_EQ(SysMenuDropPoint(TsMenuDrop::UnderIconByKey, d).Y, 69);
  EXPECT_EQ(SysMenuDropPoint(TsMenuDrop::AtMouse, d).X, 400);
}

}  // namespace
}  // namespace wakespan
