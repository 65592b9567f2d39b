#pragma once
#include <vector>

#include "platform/gui/LayoutTables.h"

// The tray icon's popup menu and the settings window's menu bar, in display order.
const std::vector<gui::MenuRow>& PopupMenu1Rows();
const std::vector<gui::MenuRow>& MainMenu1Rows();
