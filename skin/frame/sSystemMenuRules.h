// The skinned system menu's rules: which commands a form offers and
// enables, the items built from the window's own system menu, and where
// the menu drops. The Win32 side snapshots the window's menu, shows the
// items and carries out the chosen command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/frame/sFrameWindow.h"
#include "skin/frame/sTitleButtons.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// The system commands (WM_SYSCOMMAND's wParam).
inline constexpr uint32_t kScSize = 0xF000;
inline constexpr uint32_t kScMove = 0xF010;
inline constexpr uint32_t kScDragMove = 0xF012;
inline constexpr uint32_t kScMinimize = 0xF020;
inline constexpr uint32_t kScMaximize = 0xF030;
inline constexpr uint32_t kScClose = 0xF060;
inline constexpr uint32_t kScKeyMenu = 0xF100;
inline constexpr uint32_t kScRestore = 0xF120;
inline constexpr uint32_t kScContextHelp = 0xF180;
// The system keeps its own flags in the low four bits of a command.
inline constexpr uint32_t SysCommandOf(uint32_t wParam) { return wParam & 0xFFF0; }

// What the menu's rules read of a form.
struct TsSysMenuForm {
  bool HaveSysMenu = false;
  TsBorderStyle Border = TsBorderStyle::Single;
  bool BiMaximize = false;
  bool BiMinimize = false;
  bool BiHelp = false;
  bool Minimized = false;
  bool Maximized = false;
  bool MdiChild = false;
};

bool VisibleClose(const TsSysMenuForm& f);
bool VisibleMax(const TsSysMenuForm& f);
bool VisibleMin(const TsSysMenuForm& f);
bool VisibleRestore(const TsSysMenuForm& f);
bool VisibleSize(const TsSysMenuForm& f);
bool EnabledMax(const TsSysMenuForm& f);
bool EnabledMin(const TsSysMenuForm& f);
bool EnabledMove(const TsSysMenuForm& f);
bool EnabledRestore(const TsSysMenuForm& f);
bool EnabledSize(const TsSysMenuForm& f);

// The title buttons the same rules give: the frame's buttons and its menu
// always agree.
TsTitleButtonRules TitleButtonRules(const TsSysMenuForm& f);

// One entry of the window's own system menu as the Win32 side read it.
struct TsSysMenuEntry {
  uint32_t Id = 0;
  std::u16string Text;  // caption, then a tab and the shortcut
  bool Separator = false;
};

enum class TsSysItemKind : uint8_t { Restore, Move, Size, Minimize, Maximize, Close, Added, Separator };

struct TsSysMenuItem {
  TsSysItemKind Kind = TsSysItemKind::Separator;
  uint32_t Command = 0;  // the system command, or an added entry's id
  std::u16string Caption;
  std::u16string ShortCut;
  bool Visible = true;
  bool Enabled = true;
};

struct TsSysMenuItems {
  std::vector<TsSysMenuItem> Items;
  int ExtItemsCount = 0;  // entries copied from the window's menu
};

// Longest caption taken from the window's menu.
inline constexpr size_t kMaxSysCaption = 255;

// Builds the skinned menu from the window's menu: Restore, Move, Size,
// Minimize, Maximize, a separator, the entries the application added (and
// a separator after them), Close. Nothing without a window menu.
TsSysMenuItems GenerateSysMenu(const std::optional<std::vector<TsSysMenuEntry>>& windowMenu);

// Whether a refresh must build the items anew first: when asked to, or
// when the menu has no Close item yet.
bool NeedsGenerate(const TsSysMenuItems& menu, bool full);
// Shows and enables each standard item by the form's state.
void UpdateSysMenuItems(TsSysMenuItems& menu, const TsSysMenuForm& f);

// What choosing an item does: send (or, for an added entry, post) the
// command to the form.
struct TsSysMenuChoice {
  uint32_t Command = 0;
  bool Post = false;
  bool SkipAnimation = false;  // minimizing without the window animation
  bool RefreshAfter = false;   // the state changed: refresh the items
};
TsSysMenuChoice ChoiceOf(const TsSysMenuItem& item);

// Without skinned popups the window's own menu is shown: each command
// enabled or grayed by the same rules.
struct TsCommandEnabling {
  uint32_t Command = 0;
  bool Enabled = false;
};
std::array<TsCommandEnabling, 6> NativeSysMenuEnabling(const TsSysMenuForm& f);

// Where the menu drops.
enum class TsMenuDrop : uint8_t {
  None,
  UnderIcon,       // a left press on the icon
  UnderIconByKey,  // Alt+Space: like under the icon, without the frame's width below
  AtMouse,
};
struct TsDropMeasures {
  Point WindowTopLeft;  // screen
  int FrameWidth = 0;   // F
  int BorderHeight = 0;
  int IconHeight = 0;
  Point Mouse;  // screen
};
// The screen point the menu drops at; the mouse for AtMouse and None.
Point SysMenuDropPoint(TsMenuDrop where, const TsDropMeasures& m);

}  // namespace wakespan
