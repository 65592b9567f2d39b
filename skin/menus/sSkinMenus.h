// The skin's menu painter: the measuring and drawing rules of popup and
// menu-bar items, the prepared background of each open popup menu (kept
// until a menu window goes) and the geometry of its frame and region. The
// platform side hooks its menus to these and only blits what comes back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/sSkinManager.h"
#include "skin/menus/sMenuItem.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// What the extra line along a popup menu's left edge shows.
struct TacExtraLineData {
  std::string SkinSection = "EXTRALINE";
  std::u16string Caption = u"Use OnGetExtraLineData event";
  bool LineVisible = true;
};

// The prepared background of one open popup menu.
struct TacMenuInfo {
  const void* FirstItem = nullptr;  // the key: item 0 of the menu
  Bitmap Bmp;                       // the whole menu window, 24-bit
  uintptr_t Wnd = 0;                // the menu window when known at preparation
  bool HaveExtraLine = false;
  // One-pixel-high rectangles of the window cut out of its region: the
  // key-colour runs of the border image's corners, at this window's edges.
  std::vector<Rect> ArOR;
};

// The fonts an item is written in; none of them is owned.
struct TsMenuFonts {
  FontRef Normal;   // the system's menu font
  FontRef Bold;     // the same in bold, for the default item
  FontRef Caption;  // headings
  FontRef For(const TsMenuItemData& item) const { return item.Default ? Bold : Normal; }
};

// The key-colour runs of the corner parts of border image e (its first WT
// and last WB rows, left WL and right WR columns), each a one-pixel-high
// rectangle at the matching edge of a window of `window`'s size.
std::vector<Rect> MenuRegionCutouts(const TsSkinManager& M, const TsMaskData& e, Size window);

class TsSkinableMenus {
 public:
  explicit TsSkinableMenus(TsSkinManager& owner) : owner_(owner) {}
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

  int Margin = 2;    // inner space of an item
  TsMenuAlignment Alignment = TsMenuAlignment::Left;
  int BevelWidth = 0;  // stored only
  int BorderWidth = 3;  // the system's frame around a popup menu's items
  int Spacing = 6;     // between the picture column and the text
  // Called after an item has been painted into its bitmap, with the item's
  // rectangle in that bitmap.
  std::function<void(const TsMenuItemData&, Bitmap&, Rect, TsMenuItemType)> OnDrawItem;
  // May change the extra line of the menu whose first item is given.
  std::function<void(const void* firstItem, TacExtraLineData&)> OnGetExtraLineData;

  TsSkinManager& Manager() const { return owner_; }

  // ---- measuring ----
  // The size of a popup item; `extraLine` when its menu shows the extra line.
  Size MeasureItem(const TsMenuItemData& item, const TsMenuFonts& fonts, bool extraLine) const;
  // A menu-bar item: its caption without "&" plus the picture and 6 pixels
  // when it has one, `menuBarHeight` - 1 high.
  Size MeasureLineItem(const TsMenuItemData& item, const TsMenuFonts& fonts, int menuBarHeight) const;
  // The width of the extra line when the menu shows it, else 0.
  int ExtraWidth(const TacMenuInfo* menu) const;
  // Left of the text inside an item: picture column, margins and spacing.
  int TextLeft(const TsMenuItemData& item) const { return item.PictureSize.Width + 2 * Margin + Spacing; }

  // ---- the background cache ----
  // The border width of "MAINMENU"'s border image (0 without one, 3 when
  // it gives none), worked out anew for every menu prepared, so a newly
  // applied skin's frame is the one used.
  int GetSkinBorderWidth();
  const TacMenuInfo* FindMenu(const void* firstItem) const;
  const TacMenuInfo* FindMenuOfWindow(uintptr_t wnd) const;
  // The menu's entry, its background painted for a window of `size` first
  // when there is none; `firstPicture` is the picture size of item 0.
  const TacMenuInfo& GetMenuInfo(const void* firstItem, Size size, uintptr_t wnd, Size firstPicture);
  // Releases every prepared background.
  void ClearCache() { cache_.clear(); }
  size_t CachedMenus() const { return cache_.size(); }
  // Width of the picture column of the menu last prepared.
  int IcoLineWidth() const { return icoLineWidth_; }
  // Whether the menu of `firstItem` shows the extra line.
  bool HasExtraLine(const void* firstItem) const;

  // ---- drawing ----
  // Paints a popup item of `itemRect` (window coordinates, so its place in
  // the menu background) into a bitmap: the item minus the extra line for
  // first-column items, to be copied at itemRect.Left + ExtraWidth.
  Bitmap DrawItem(const TsMenuItemData& item, const TacMenuInfo& menu, Rect itemRect, const TsMenuFonts& fonts);
  // The parts of the menu frame beside an item, in window coordinates, to
  // be copied from the background: the top rows for the first visible item,
  // the bottom rows for the last, and the left and right strips.
  std::vector<Rect> FrameBesideItem(const TacMenuInfo& menu, Rect itemRect, Size window, bool firstVisible,
                                    bool lastVisible);

 private:
  TacExtraLineData ExtraLineData(const void* firstItem) const;
  TacMenuInfo PrepareMenuBG(const void* firstItem, Size size, uintptr_t wnd, Size firstPicture);
  void DrawNormalItem(Bitmap& B, const TsMenuItemData& item, const TacMenuInfo& menu, Point place,
                      const TsMenuFonts& fonts);
  void DrawDivider(Bitmap& B);
  void DrawCaptionItem(Bitmap& B, const TsMenuItemData& item, const TsMenuFonts& fonts);

  TsSkinManager& owner_;
  int skinBorderWidth_ = -1;
  int icoLineWidth_ = 0;
  std::vector<TacMenuInfo> cache_;
};

}  // namespace wakespan
