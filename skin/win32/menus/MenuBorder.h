// A popup menu window shaped by its skin: once its items paint it, the
// window's wrapper stops painting, and the window region leaves out the
// corners the skin's frame has none of.
#pragma once

#include <windows.h>

#include "skin/menus/sSkinMenus.h"

namespace wakespan {

void DrawWndBorder(HWND window, const TacMenuInfo& menu);

// The application window's 0xBCB3 / 0xBCB4, with the popup menu in wParam:
// the menu's window is found at the centre of its first item.
void DrawBorderOfMenu(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace wakespan
