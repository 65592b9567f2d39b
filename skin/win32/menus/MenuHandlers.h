// The engine's measure and draw handlers of the framework's menu items:
// popup items and the top items of a menu bar. Their types tell the
// engine's handlers apart from an item's own.
#pragma once

#include <windows.h>

#include "platform/gui/Menus.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace gui {
class Form;
}

namespace wakespan {

struct PopupMeasureHandler {
  void operator()(gui::MenuItem& item, MEASUREITEMSTRUCT& measure) const;
};
struct PopupDrawHandler {
  void operator()(gui::MenuItem& item, const DRAWITEMSTRUCT& draw) const;
};
struct LineMeasureHandler {
  void operator()(gui::MenuItem& item, MEASUREITEMSTRUCT& measure) const;
};
struct LineDrawHandler {
  void operator()(gui::MenuItem& item, const DRAWITEMSTRUCT& draw) const;
};

// Paints the visible top items of the form's menu bar into its frame cache
// (window-sized) over `menuLine`, the bar's background whose (0, 0) lies at
// `lineOrigin` of the cache; nothing while no skinned menus are active.
void PaintMenuBarItems(gui::Form& form, Bitmap& cache, const Bitmap& menuLine, Point lineOrigin);

// The application window hears this, with the popup menu in wParam, when an
// item was drawn before its menu window was known.
constexpr UINT kDrawMenuBorderMessage = 0xBCB3;
constexpr UINT kDrawMenuBorderAgainMessage = 0xBCB4;

}  // namespace wakespan
