// The skinned system menu of a form whose frame the skin draws: its items
// come from the window's own system menu and the form's state, it is shown
// as a popup menu skinned like every other, and a chosen item is sent (or,
// for an entry the application added, posted) to the form as a command.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/gui/Menus.h"
#include "skin/frame/sSystemMenuRules.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TsSkinManager;

// The menu of one form window, handed to every call.
class TsSystemMenu {
 public:
  // Builds the items anew when `full` or when they have no Close item yet,
  // then shows and enables each by the form's state.
  void UpdateItems(HWND window, bool full, const TsSysMenuForm& form);
  // Refreshes the items and tracks the menu at a screen point until the
  // user chose or cancelled; the choice is carried out before it returns.
  void Drop(HWND window, Point at, const TsSysMenuForm& form, TsSkinManager& manager);

  const TsSysMenuItems& Items() const { return items_; }

 private:
  TsSysMenuItems items_;
};

// The entries of a window's own system menu; none when it has no menu.
std::optional<std::vector<TsSysMenuEntry>> ReadWindowMenu(HWND window);

}  // namespace wakespan
