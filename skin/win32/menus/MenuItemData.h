// A framework menu item described for the portable menu painter.
#pragma once

#include <windows.h>

#include "platform/gui/Menus.h"
#include "skin/menus/sMenuItem.h"
#include "skin/win32/menus/MenuEngine.h"

namespace wakespan {

// The item with its menu state and, while it is being drawn, the system's
// owner-draw state bits (0 when measuring).
TsMenuItemData MenuItemDataOf(const gui::MenuItem& item, MenuEngine& engine, UINT drawState);

}  // namespace wakespan
