#include "skin/win32/menus/MenuRegistration.h"

#include <memory>

#include "skin/win32/manager/SkinFactories.h"
#include "skin/win32/menus/MenuBorder.h"
#include "skin/win32/menus/MenuEngine.h"
#include "skin/win32/menus/MenuHandlers.h"
#include "skin/win32/menus/MenuHooks.h"
#include "skin/win32/menus/TacMnuWnd.h"

namespace wakespan {

void RegisterMenuSkinning() {
  SkinFactories& factories = Factories();
  factories.menuWrapper = [](HWND menu, TsSkinManager& manager, const char* section) -> AttachmentPtr {
    MenuEngineFor(manager);
    return std::make_unique<TacMnuWnd>(menu, manager, section);
  };
  factories.drawMenuBorder = &DrawBorderOfMenu;
  factories.paintMenuBar = &PaintMenuBarItems;
  factories.skinMenus = [](TsSkinManager* manager) {
    if (manager) {
      InitItems(true, MenuEngineFor(*manager).Manager());
    } else if (MenuEngine* engine = ActiveMenuEngine()) {
      InitItems(false, engine->Manager());
      ReleaseMenuEngine();
    }
  };
}

}  // namespace wakespan
