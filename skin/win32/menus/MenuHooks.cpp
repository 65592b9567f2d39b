#include "skin/win32/menus/MenuHooks.h"

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/win32/menus/MenuHandlers.h"

namespace wakespan {

namespace {

template <typename Handler, typename Function>
bool IsHandler(const Function& function) {
  return function && function.template target<Handler>() != nullptr;
}

void RemoveEngineHandlers(gui::MenuItem& item) {
  if (IsHandler<PopupMeasureHandler>(item.OnMeasureItem) || IsHandler<LineMeasureHandler>(item.OnMeasureItem))
    item.OnMeasureItem = nullptr;
  if (IsHandler<PopupDrawHandler>(item.OnAdvancedDrawItem) || IsHandler<LineDrawHandler>(item.OnAdvancedDrawItem))
    item.OnAdvancedDrawItem = nullptr;
}

bool SkinsPopups(const TsSkinManager& manager) { return manager.SkinnedPopups; }

// The menu bar is measured and drawn again.
void RedrawBar(const gui::Menu& menu) {
  if (menu.Owner() && menu.Owner()->Handle()) DrawMenuBar(menu.Owner()->Handle());
}

}  // namespace

bool HasPopupHandlers(const gui::MenuItem& item) {
  return IsHandler<PopupMeasureHandler>(item.OnMeasureItem) && IsHandler<PopupDrawHandler>(item.OnAdvancedDrawItem);
}

bool HasLineHandlers(const gui::MenuItem& item) {
  return IsHandler<LineMeasureHandler>(item.OnMeasureItem) && IsHandler<LineDrawHandler>(item.OnAdvancedDrawItem);
}

void HookOneItem(gui::MenuItem& item, bool hook) {
  if (!hook) {
    RemoveEngineHandlers(item);
    return;
  }
  if (!item.OnMeasureItem) item.OnMeasureItem = PopupMeasureHandler{};
  if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = PopupDrawHandler{};
}

void HookItem(gui::MenuItem& item, bool hook) {
  for (gui::MenuItem* child : item.Items) {
    if (!(hook && child->IsTopItem())) HookOneItem(*child, hook);
    HookItem(*child, hook);
  }
}

void HookPopupMenu(gui::Menu& menu, bool active, const TsSkinManager& manager) {
  menu.SetOwnerDraw(active && SkinsPopups(manager));
  for (gui::MenuItem* item : menu.AllItems()) HookOneItem(*item, active);
}

void InitMenuLine(gui::MainMenu& menu, bool active, const TsSkinManager& manager) {
  for (gui::MenuItem* item : menu.Items()) {
    if (active && manager.SkinData.Active) {
      if (!SkinsPopups(manager)) return;
      item->OnMeasureItem = LineMeasureHandler{};
      item->OnAdvancedDrawItem = LineDrawHandler{};
    } else if (!active) {
      RemoveEngineHandlers(*item);
    }
  }
  menu.SetOwnerDraw(active);
  RedrawBar(menu);
}

void InitItems(bool active, const TsSkinManager& manager) {
  const bool popups = active && SkinsPopups(manager);
  for (gui::Form* form : gui::Application::Instance().Forms()) {
    for (gui::Component* component : form->Components()) {
      if (auto* bar = dynamic_cast<gui::MainMenu*>(component)) {
        InitMenuLine(*bar, active, manager);
        for (gui::MenuItem* top : bar->Items()) HookItem(*top, popups);
      } else if (auto* popup = dynamic_cast<gui::PopupMenu*>(component)) {
        HookPopupMenu(*popup, popups, manager);
      }
    }
  }
}

}  // namespace wakespan
