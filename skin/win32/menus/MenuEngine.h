// The process-wide state of the skinned menus: the portable painter with
// its background cache, the menu fonts, the pictures read into bitmaps and
// the mark that a skinned menu is being shown.
#pragma once

#include <windows.h>

#include <map>

#include "platform/gui/Handles.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/win32/manager/DibBlit.h"

namespace wakespan {

class MenuEngine {
 public:
  explicit MenuEngine(TsSkinManager& manager);
  MenuEngine(const MenuEngine&) = delete;
  MenuEngine& operator=(const MenuEngine&) = delete;

  TsSkinManager& Manager() { return manager_; }
  TsSkinableMenus& Menus() { return menus_; }
  const TsMenuFonts& Fonts() const { return fonts_; }
  // The picture as a 32-bit bitmap, read once; null for none.
  const Bitmap* PictureOf(HBITMAP picture);
  // Whether menus are drawn from the skin right now: a skin is applied
  // (the manager drops this flag whenever it stops skinning).
  bool Skinned() const { return manager_.SkinData.Active; }

  // Set by measuring: a skinned menu is being shown, so its window wrapper paints.
  bool Showing = false;

 private:
  TsSkinManager& manager_;
  TsSkinableMenus menus_;
  gui::OwnedFont normal_, bold_;
  TsMenuFonts fonts_;
  std::map<HBITMAP, Bitmap> pictures_;
};

// The engine of `manager`, made anew when it belongs to no manager or
// another one.
MenuEngine& MenuEngineFor(TsSkinManager& manager);
// Null until the engine has been made, and after it has been released.
MenuEngine* ActiveMenuEngine();
// Drops the engine with its backgrounds, fonts and pictures (its manager stops skinning).
void ReleaseMenuEngine();

}  // namespace wakespan
