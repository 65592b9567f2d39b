// The places where later work plugs in what the hook makes for a window: a
// form provider for a framework form, a menu wrapper for a popup menu and a
// skinner for a standard dialog, plus the popup-menu skinner's border
// drawing and its menu-bar items in a frame. All are empty until something registers one; the hook's
// decisions run either way.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace gui {
class Form;
}

namespace wakespan {

class TsSkinManager;

// Whatever the hook made for one window; dropped when the window goes.
class SkinAttachment {
 public:
  virtual ~SkinAttachment() = default;
};

using AttachmentPtr = std::unique_ptr<SkinAttachment>;

struct SkinFactories {
  std::function<AttachmentPtr(gui::Form& form, TsSkinManager& manager)> formProvider;
  std::function<AttachmentPtr(HWND menu, TsSkinManager& manager, const char* section)> menuWrapper;
  std::function<AttachmentPtr(HWND dialog, TsSkinManager& manager)> dialogSkinner;
  // 0xBCB3 / 0xBCB4 on the application window: draw the border of a menu window.
  std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> drawMenuBorder;
  // The manager's hook went in (the manager) or out (none): the menus are
  // hooked into the skin's drawing or released.
  std::function<void(TsSkinManager* manager)> skinMenus;
  // A form's frame cache gets its menu bar's items painted over the bar's
  // background, whose (0, 0) lies at `lineOrigin` of the cache.
  std::function<void(gui::Form& form, Bitmap& cache, const Bitmap& menuLine, Point lineOrigin)> paintMenuBar;
};

// The engine's one set of factories.
SkinFactories& Factories();

}  // namespace wakespan
