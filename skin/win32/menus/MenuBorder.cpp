#include "skin/win32/menus/MenuBorder.h"

#include "platform/gui/Handles.h"
#include "skin/engine/EngineCommands.h"
#include "skin/engine/HookRules.h"
#include "skin/win32/manager/EngineLists.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/manager/WindowBroadcast.h"
#include "skin/win32/manager/WindowRegion.h"
#include "skin/win32/menus/MenuEngine.h"
#include "skin/win32/menus/TacMnuWnd.h"

namespace wakespan {

namespace {

constexpr uint16_t kRegionQuery = 8;
constexpr uint16_t kRegionChanged = 14;

// The window's wrapper, made now for a window the hook did not wrap.
TacMnuWnd* WrapperOf(HWND window, MenuEngine& engine) {
  if (TacMnuWnd* wrapper = TacMnuWnd::Of(window)) return wrapper;
  auto made = std::make_unique<TacMnuWnd>(window, engine.Manager(), "MAINMENU");
  TacMnuWnd* wrapper = made.get();
  HookList().Add(window, engine::HookAction::WrapPopupMenu, std::move(made));
  return wrapper;
}

}  // namespace

void DrawWndBorder(HWND window, const TacMenuInfo& menu) {
  static bool drawing = false;
  MenuEngine* engine = ActiveMenuEngine();
  if (drawing || !engine || !window) return;
  drawing = true;
  WrapperOf(window, *engine)->ItemsPaintWindow();
  if (Engine().ntFamily && !menu.Bmp.IsEmpty() &&
      SendEngineCommand(window, engine::CommandWParam(kRegionQuery), 0) == 0) {
    SendEngineCommand(window, engine::CommandWParam(kRegionChanged), 0);
    // A frame without cut-outs needs no region: a window region also costs
    // a popup menu its keyboard under Wine. The window owns a region once
    // it has taken it.
    if (!menu.ArOR.empty()) {
      gui::OwnedRegion region = RectRegionWithout(Rect{0, 0, menu.Bmp.Width(), menu.Bmp.Height()}, menu.ArOR);
      GiveRegionTo(window, region);
    }
  }
  drawing = false;
}

void DrawBorderOfMenu(UINT, WPARAM wParam, LPARAM) {
  MenuEngine* engine = ActiveMenuEngine();
  HMENU menu = reinterpret_cast<HMENU>(wParam);
  RECT first{};
  if (!engine || !IsMenu(menu) || !GetMenuItemRect(nullptr, menu, 0, &first)) return;
  const POINT centre{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
  HWND window = WindowFromPoint(centre);
  if (const TacMenuInfo* info = engine->Menus().FindMenu(menu)) DrawWndBorder(window, *info);
}

}  // namespace wakespan
