// A framework menu item described for the portable menu painter.
#pragma once

#include <windows.h>

#include "platform/gui/Menus.h"
#include "skin/menus/sMenuItem.h"
#include "skin/win32/menus/MenuEngine.h"

namespace wakespan {

// The item with its state: the system's owner-draw state bits when it is
// being drawn, its menu state when it is being measured (`drawState` 0).
TsMenuItemData MenuItemDataOf(const gui::MenuItem& item, MenuEngine& engine, UINT drawState);

}  // namespace wakespan
