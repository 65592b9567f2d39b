// The engine's measure and draw handlers of the framework's menu items:
// popup items and the top items of a menu bar. Their types tell the
// engine's handlers apart from an item's own.
#pragma once

#include <windows.h>

#include "platform/gui/Menus.h"

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

// The application window hears this, with the popup menu in wParam, when an
// item was drawn before its menu window was known.
constexpr UINT kDrawMenuBorderMessage = 0xBCB3;
constexpr UINT kDrawMenuBorderAgainMessage = 0xBCB4;

}  // namespace wakespan
