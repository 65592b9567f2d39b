// The skinned menus on real Win32 menus and windows: hooking keeps items'
// own handlers, the engine's handlers measure with the menu font and paint
// the skin's colours, the popup window wrapper answers the engine's
// commands and gives the window back, and the border cuts the region once.
#include <gtest/gtest.h>

#include "platform/gui/Menus.h"
#include "skin/menus/sMenuFormats.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "skin/win32/menus/MenuBorder.h"
#include "skin/win32/menus/MenuEngine.h"
#include "skin/win32/menus/MenuHooks.h"
#include "skin/win32/menus/TacMnuWnd.h"

namespace wakespan {
namespace {

constexpr TColor kMenuColor = 0x403020;
constexpr TColor kHotColor = 0x10C0F0;

// A skin of two plain sections: the menu and its items (see-through unless hot).
void MakeMenuSkin(TsSkinManager& manager) {
  TsGeneralData menu;
  menu.ClassName = "MAINMENU";
  menu.Color = kMenuColor;
  TsGeneralData item;
  item.ClassName = "MENUITEM";
  item.Transparency = 100;
  item.HotColor = kHotColor;
  item.FontColor[0] = 0xFFFFFF;
  item.HotFontColor[0] = 0;
  manager.gd = {menu, item};
  manager.MasterBitmap = std::make_shared<Bitmap>(4, 4, PixelFormat::Bgr24);
  manager.SkinData.Active = true;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg == WM_MEASUREITEM || msg == WM_DRAWITEM) && gui::HandleMenuPicture(msg, lParam)) return TRUE;
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MakeWindow(const wchar_t* name) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MenusTestOwner";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, name, WS_POPUP, 10, 10, 120, 80, nullptr, nullptr, wc.hInstance,
                         nullptr);
}

class MenuHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartEngine();
    SetPaintPlatform(&Win32PaintPlatform());  // another test may have put the host's back
    ReleaseMenuEngine();  // another test may have left one for its own manager
    MakeMenuSkin(manager);
    menu.Build({{0, L"Open1", L"&Open", -1}, {0, L"N1", L"-", -1}, {0, L"Own1", L"Own", -1},
                {0, L"Sub1", L"More", -1}, {1, L"Deep1", L"Deep", -1}});
    own = menu.Find(L"Own1");
    own->OnMeasureItem = [this](gui::MenuItem&, MEASUREITEMSTRUCT&) { ++ownCalls; };
  }
  void TearDown() override { ReleaseMenuEngine(); }
  bool OwnerDrawn(const gui::MenuItem& item) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(item.Container(), UINT(item.Index()), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
  }

  TsSkinManager manager;
  gui::PopupMenu menu{nullptr, L"PopupMenu1", nullptr};
  gui::MenuItem* own = nullptr;
  int ownCalls = 0;
};

TEST_F(MenuHooksTest, HookingKeepsAnItemsOwnHandlerAndUnhookingRemovesOnlyTheEngines) {
  HookPopupMenu(menu, true, manager);
  EXPECT_TRUE(menu.OwnerDraw());
  for (gui::MenuItem* item : menu.AllItems()) EXPECT_TRUE(OwnerDrawn(*item)) << item->Name().c_str();
  EXPECT_TRUE(HasPopupHandlers(*menu.Find(L"Deep1")));
  EXPECT_TRUE(HasPopupHandlers(*menu.Find(L"N1")));
  MEASUREITEMSTRUCT measure{};
  own->OnMeasureItem(*own, measure);
  EXPECT_EQ(ownCalls, 1);
  // Its draw handler was empty, so it gets the engine's.
  EXPECT_TRUE(own->OnAdvancedDrawItem);

  HookPopupMenu(menu, false, manager);
  EXPECT_FALSE(OwnerDrawn(*menu.Find(L"Open1")));
  EXPECT_FALSE(menu.Find(L"Open1")->OnMeasureItem);
  EXPECT_FALSE(own->OnAdvancedDrawItem);
  ASSERT_TRUE(own->OnMeasureItem);
  own->OnMeasureItem(*own, measure);
  EXPECT_EQ(ownCalls, 2);

  manager.SkinnedPopups = false;
  HookPopupMenu(menu, true, manager);
  EXPECT_FALSE(menu.OwnerDraw());
}

TEST_F(MenuHooksTest, TopItemsOfAMenuBarAlwaysGetTheEnginesHandlers) {
  gui::MainMenu bar(nullptr, L"MainMenu1", nullptr);
  bar.Build({{0, L"File1", L"File", -1}, {1, L"Exit2", L"Exit", -1}});
  gui::MenuItem& file = *bar.Find(L"File1");
  file.OnMeasureItem = [](gui::MenuItem&, MEASUREITEMSTRUCT&) {};
  InitMenuLine(bar, true, manager);
  for (gui::MenuItem* top : bar.Items()) HookItem(*top, true);
  EXPECT_TRUE(HasLineHandlers(file));
  EXPECT_TRUE(HasPopupHandlers(*bar.Find(L"Exit2")));
  EXPECT_TRUE(bar.OwnerDraw());
  InitMenuLine(bar, false, manager);
  EXPECT_FALSE(file.OnMeasureItem);
  EXPECT_FALSE(bar.OwnerDraw());
}

TEST_F(MenuHooksTest, EngineHandlersMeasureWithTheMenuFontAndPaintTheSkin) {
  HookPopupMenu(menu, true, manager);
  MenuEngine& engine = MenuEngineFor(manager);
  HWND owner = MakeWindow(L"owner");
  gui::MenuItem& open = *menu.Find(L"Open1");

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, open.CommandId(), 0, 0, reinterpret_cast<ULONG_PTR>(&open)};
  ASSERT_TRUE(SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  const Size text = PaintPlatform().MeasureText(engine.Fonts().Normal, u"&Open", menuformat::kMeasure, 0);
  EXPECT_EQ(int(measure.itemWidth), text.Width + 44);
  EXPECT_GE(measure.itemHeight, 20u);
  EXPECT_TRUE(engine.Showing);
  MEASUREITEMSTRUCT divider{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(menu.Find(L"N1"))};
  SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&divider));
  EXPECT_EQ(divider.itemHeight, 2u);

  // Drawn into a memory canvas: no menu window, so the size is estimated
  // from the measured items.
  const int w = int(measure.itemWidth), right = w - 5;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 200, 60);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, canvas);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, open.CommandId(), ODA_DRAWENTIRE, 0, nullptr, memory, {0, 0, 0, 20},
                      reinterpret_cast<ULONG_PTR>(&open)};
  draw.rcItem.right = w;
  ASSERT_TRUE(SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(GetPixel(memory, right, 10), COLORREF(kMenuColor));
  draw.itemState = ODS_SELECTED;
  draw.rcItem = {0, 30, w, 50};
  SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(GetPixel(memory, right, 40), COLORREF(kHotColor));
  // Disabled items are never highlighted.
  draw.itemState = ODS_SELECTED | ODS_DISABLED;
  SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(GetPixel(memory, right, 40), COLORREF(kMenuColor));
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
  DestroyWindow(owner);
  engine.Menus().ClearCache();
}

TEST_F(MenuHooksTest, WrapperAnswersTheEngineAndGivesTheWindowBack) {
  MenuEngineFor(manager);
  HWND window = MakeWindow(L"menu");
  const LONG_PTR ownProc = GetWindowLongPtrW(window, GWLP_WNDPROC);
  const auto command = [window](uint16_t code) {
    return SendMessageW(window, EngineCommandMessage, WPARAM(code) << 16, 0);
  };
  {
    TacMnuWnd wrapper(window, manager, "MAINMENU");
    EXPECT_EQ(TacMnuWnd::Of(window), &wrapper);
    EXPECT_EQ(command(7), 1);
    EXPECT_EQ(command(8), 0);
    command(14);  // hidden: nothing changes
    EXPECT_EQ(command(8), 0);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    command(14);
    EXPECT_EQ(command(8), 1);
    // Everything else reaches the window's own procedure.
    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    EXPECT_STREQ(text, L"menu");
  }
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), ownProc);
  EXPECT_EQ(TacMnuWnd::Of(window), nullptr);
  DestroyWindow(window);
}

TEST_F(MenuHooksTest, BorderWithoutCutOutsLeavesTheWindowUnshaped) {
  MenuEngineFor(manager);
  HWND window = MakeWindow(L"menu");
  ShowWindow(window, SW_SHOWNOACTIVATE);
  {
    TacMnuWnd wrapper(window, manager, "MAINMENU");
    TacMenuInfo info;
    info.Bmp = Bitmap(120, 80, PixelFormat::Bgr24);
    DrawWndBorder(window, info);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
  }
  DestroyWindow(window);
}

TEST_F(MenuHooksTest, BorderCutsTheRegionOnceFromTheBackground) {
  MenuEngine& engine = MenuEngineFor(manager);
  HWND window = MakeWindow(L"menu");
  ShowWindow(window, SW_SHOWNOACTIVATE);
  {
    TacMnuWnd wrapper(window, manager, "MAINMENU");
    TacMenuInfo info;
    info.Bmp = Bitmap(120, 80, PixelFormat::Bgr24);
    info.ArOR = {Rect{0, 0, 3, 1}, Rect{117, 79, 120, 80}};
    DrawWndBorder(window, info);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    if (Engine().ntFamily) {
      EXPECT_FALSE(PtInRegion(region, 2, 0));
      EXPECT_TRUE(PtInRegion(region, 3, 0));
      EXPECT_FALSE(PtInRegion(region, 119, 79));
      EXPECT_TRUE(PtInRegion(region, 60, 40));
      // The region was changed, so a second border keeps it.
      info.ArOR = {Rect{0, 1, 1, 2}};
      DrawWndBorder(window, info);
      GetWindowRgn(window, region);
      EXPECT_TRUE(PtInRegion(region, 0, 1));
      EXPECT_FALSE(PtInRegion(region, 0, 0));
    }
    DeleteObject(region);
    // Once the items paint the window, erasing paints nothing.
    EXPECT_EQ(SendMessageW(window, WM_ERASEBKGND, 0, 0), 1);
  }
  EXPECT_EQ(engine.Menus().CachedMenus(), 0u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace wakespan
