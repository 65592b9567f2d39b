// One item of a window's menu bar, painted into its own bitmap over the
// menu bar's painted background. The form's frame paints its menu bar
// strip and calls this for every top item; the menu hooks call it when the
// system asks for a single item.
#pragma once

#include "skin/data/sSkinManager.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Paints `item` into B (the item's size) over the part of `lineBmp` (the
// menu bar's background) at `place`: "MENUITEM" highlighted when the item
// is enabled and selected or hot, the picture 3 pixels from the left,
// centred vertically, the caption centred in "MENULINE"'s colours (bold for
// the default item), and a disabled item faded into the background.
void PaintMenuLineItem(TsSkinManager& M, Bitmap& B, const Bitmap& lineBmp, Point place, const TsMenuItemData& item,
                       const TsMenuFonts& fonts);

// A menu bar background of `size` painted from "MENULINE" for a window
// whose frame keeps none.
Bitmap PaintMenuLineStrip(TsSkinManager& M, Size size);

}  // namespace wakespan
