// Hooking the framework's menus into the skin's drawing: owner drawing is
// switched on and the items get the engine's measure and draw handlers,
// except where an item has handlers of its own. Unhooking removes exactly
// the engine's handlers.
#pragma once

#include "platform/gui/Menus.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {

// True when the item's handler is the engine's popup (or menu-bar) one.
bool HasPopupHandlers(const gui::MenuItem& item);
bool HasLineHandlers(const gui::MenuItem& item);

// One item: the popup handlers where it has none (hook), or the engine's
// handlers removed (unhook).
void HookOneItem(gui::MenuItem& item, bool hook);
// Every item below `item`, at every depth; top items of a menu bar are skipped when hooking.
void HookItem(gui::MenuItem& item, bool hook);
// A popup menu and all its items; owner drawing while `active` and the
// manager skins popups.
void HookPopupMenu(gui::Menu& menu, bool active, const TsSkinManager& manager);
// The top items of a menu bar get the menu-bar handlers (replacing any)
// while `active`, and lose them otherwise.
void InitMenuLine(gui::MainMenu& menu, bool active, const TsSkinManager& manager);
// Every menu of every form of the application.
void InitItems(bool active, const TsSkinManager& manager);

}  // namespace wakespan
