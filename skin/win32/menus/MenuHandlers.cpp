#include "skin/win32/menus/MenuHandlers.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/data/sSysColors.h"
#include "skin/menus/sMenuLineItem.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/menus/MenuBorder.h"
#include "skin/win32/menus/MenuItemData.h"

namespace wakespan {

namespace {

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// Where a window's client area starts inside the window.
POINT ClientOffset(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - outer.left, origin.y - outer.top};
}

// The key of a menu's background: the system menu holding its items.
const void* MenuKey(const gui::MenuItem& item) { return item.Container(); }

Size FirstPictureSize(const gui::MenuItem& item, MenuEngine& engine) {
  if (const gui::Menu* menu = item.ParentMenu())
    for (gui::MenuItem* other : menu->AllItems())
      if (other->Container() == item.Container() && other->Index() == 0)
        return MenuItemDataOf(*other, engine, 0).PictureSize;
  return MenuItemDataOf(item, engine, 0).PictureSize;
}

// The size of a menu whose window is unknown: its items measured again,
// with the system's frame around them.
Size EstimatedMenuSize(const gui::MenuItem& item, MenuEngine& engine) {
  Size items{};
  for (gui::MenuItem* other : item.ParentMenu()->AllItems()) {
    if (other->Container() != item.Container()) continue;
    const Size size = engine.Menus().MeasureItem(MenuItemDataOf(*other, engine, 0), engine.Fonts(), false);
    items.Width = std::max(items.Width, size.Width + 12);
    items.Height += size.Height;
  }
  const int frame = 2 * engine.Menus().BorderWidth;
  return Size{items.Width + frame, items.Height + frame};
}

bool BorderMessageWaiting() {
  MSG waiting{};
  return PeekMessageW(&waiting, gui::Application::Instance().Handle(), kDrawMenuBorderMessage,
                      kDrawMenuBorderAgainMessage, PM_NOREMOVE) != 0;
}

// The frame strips beside the item, from the background into the window.
void PaintFrameBeside(HWND window, const TacMenuInfo& menu, Rect item, const gui::MenuItem& source,
                      MenuEngine& engine) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const Size size{outer.right - outer.left, outer.bottom - outer.top};
  const bool last = source.Index() == GetMenuItemCount(source.Container()) - 1;
  const gui::WindowDC dc(window);
  for (const Rect& part : engine.Menus().FrameBesideItem(menu, item, size, source.Index() == 0, last))
    BlitPart(dc.get(), Point{part.Left, part.Top}, menu.Bmp, part);
}

// The system draws a submenu's arrow after the item, from a monochrome
// bitmap in the context's text and background colours: the item's own.
void ColourTheArrow(HDC dc, const Bitmap& item, const TsMenuItemData& data, const TsSkinManager& manager) {
  const int k = manager.GetSkinIndex("MENUITEM");
  if (item.IsEmpty() || k < 0) return;
  const TsGeneralData& colours = manager.gd[size_t(k)];
  SetTextColor(dc, COLORREF(ColorToRGB(ShownHighlighted(data) ? colours.HotFontColor[0] : colours.FontColor[0])));
  SetBkColor(dc, COLORREF(item.Pixel(item.Width() - 2, item.Height() / 2)));
}

}  // namespace

void PopupMeasureHandler::operator()(gui::MenuItem& item, MEASUREITEMSTRUCT& measure) const {
  MenuEngine* engine = ActiveMenuEngine();
  if (!engine) return;
  engine->Showing = true;
  const TsMenuItemData data = MenuItemDataOf(item, *engine, 0);
  const Size size = engine->Menus().MeasureItem(data, engine->Fonts(), engine->Menus().HasExtraLine(MenuKey(item)));
  measure.itemWidth = UINT(std::max(0, size.Width));
  measure.itemHeight = UINT(std::max(0, size.Height));
}

void PopupDrawHandler::operator()(gui::MenuItem& item, const DRAWITEMSTRUCT& draw) const {
  MenuEngine* engine = ActiveMenuEngine();
  if (!engine || !engine->Skinned()) return;
  TsSkinableMenus& menus = engine->Menus();
  HWND window = Engine().ntFamily ? WindowFromDC(draw.hDC) : nullptr;
  POINT offset{menus.BorderWidth, menus.BorderWidth};
  Size size{};
  if (window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    size = Size{outer.right - outer.left, outer.bottom - outer.top};
    offset = ClientOffset(window);
  } else {
    size = EstimatedMenuSize(item, *engine);
  }
  const TacMenuInfo& menu = menus.GetMenuInfo(MenuKey(item), size, reinterpret_cast<uintptr_t>(window),
                                               FirstPictureSize(item, *engine));
  Rect place = ToRect(draw.rcItem);
  place = Rect{place.Left + offset.x, place.Top + offset.y, place.Right + offset.x, place.Bottom + offset.y};
  if (window) {
    PaintFrameBeside(window, menu, place, item, *engine);
    DrawWndBorder(window, menu);
  } else if (!BorderMessageWaiting()) {
    PostMessageW(gui::Application::Instance().Handle(), kDrawMenuBorderMessage,
                 reinterpret_cast<WPARAM>(item.Container()), 0);
  }
  const TsMenuItemData data = MenuItemDataOf(item, *engine, draw.itemState);
  const Bitmap bitmap = menus.DrawItem(data, menu, place, engine->Fonts());
  const int extra = data.FirstColumn ? menus.ExtraWidth(&menu) : 0;
  BlitPart(draw.hDC, Point{draw.rcItem.left + extra, draw.rcItem.top}, bitmap,
           Rect{0, 0, bitmap.Width(), bitmap.Height()});
  ColourTheArrow(draw.hDC, bitmap, data, engine->Manager());
}

void LineMeasureHandler::operator()(gui::MenuItem& item, MEASUREITEMSTRUCT& measure) const {
  MenuEngine* engine = ActiveMenuEngine();
  if (!engine) return;
  const Size size = engine->Menus().MeasureLineItem(MenuItemDataOf(item, *engine, 0), engine->Fonts(),
                                                    GetSystemMetrics(SM_CYMENU));
  measure.itemWidth = UINT(std::max(0, size.Width));
  measure.itemHeight = UINT(std::max(0, size.Height));
}

// The system asks for one item of the bar: it is painted over a strip of
// the bar's own section, since the bar's background lies in the frame.
void LineDrawHandler::operator()(gui::MenuItem& item, const DRAWITEMSTRUCT& draw) const {
  MenuEngine* engine = ActiveMenuEngine();
  if (!engine || !engine->Skinned()) return;
  const Rect r = ToRect(draw.rcItem);
  const Bitmap line = PaintMenuLineStrip(engine->Manager(), Size{r.Right, r.Height()});
  Bitmap bitmap(r.Width(), r.Height(), PixelFormat::Bgr24);
  PaintMenuLineItem(engine->Manager(), bitmap, line, Point{r.Left, 0}, MenuItemDataOf(item, *engine, draw.itemState),
                    engine->Fonts());
  BlitPart(draw.hDC, Point{r.Left, r.Top}, bitmap, Rect{0, 0, bitmap.Width(), bitmap.Height()});
}

// The owner-draw state the frame paints its bar items in: no focus
// rectangle, no accelerator underlines.
constexpr UINT kFrameItemState = 0x500;

gui::MainMenu* WindowMenuOf(gui::Form& form) {
  const HMENU shown = GetMenu(form.Handle());
  if (!shown) return nullptr;
  for (gui::Component* component : form.Components())
    if (auto* bar = dynamic_cast<gui::MainMenu*>(component); bar && bar->Handle() == shown) return bar;
  return nullptr;
}

void PaintMenuBarItems(gui::Form& form, Bitmap& cache, const Bitmap& menuLine, Point lineOrigin) {
  MenuEngine* engine = ActiveMenuEngine();
  gui::MainMenu* bar = WindowMenuOf(form);
  if (!engine || !engine->Skinned() || !bar) return;
  RECT outer{};
  GetWindowRect(form.Handle(), &outer);
  // Items are painted only where the bar's background reaches: a row of an
  // item's rectangle beyond it keeps the frame's own pixels.
  const Rect bounds = Intersect(Rect{0, 0, cache.Width(), cache.Height()},
                                Rect{lineOrigin.X, lineOrigin.Y, lineOrigin.X + menuLine.Width(),
                                     lineOrigin.Y + menuLine.Height()});
  for (gui::MenuItem* item : bar->Items()) {
    RECT screen{};
    if (!GetMenuItemRect(form.Handle(), bar->Handle(), UINT(item->Index()), &screen)) continue;
    const Rect r = Intersect(Rect{screen.left - outer.left, screen.top - outer.top, screen.right - outer.left,
                                  screen.bottom - outer.top},
                             bounds);
    if (r.IsEmpty()) continue;
    Bitmap painted(r.Width(), r.Height(), PixelFormat::Bgr24);
    PaintMenuLineItem(engine->Manager(), painted, menuLine, Point{r.Left - lineOrigin.X, r.Top - lineOrigin.Y},
                      MenuItemDataOf(*item, *engine, kFrameItemState), engine->Fonts());
    CopyBlock(cache, r.Left, r.Top, r.Width(), r.Height(), painted, 0, 0);
  }
}

}  // namespace wakespan
