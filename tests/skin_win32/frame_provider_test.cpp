// A real framework form skinned by its provider with the embedded skin: the
// engine's queries, the dropped system-menu style, the corner region, the
// frame's pixels from the cache, and the system frame back after removal.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Handles.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Timer.h"
#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/win32/frame/TacSBAnimation.h"
#include "skin/win32/frame/TsSystemMenu.h"
#include "skin/win32/frame/sSkinProvider.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "skin/win32/manager/SkinFactories.h"
#include "skin/win32/menus/MenuEngine.h"
#include "skin/win32/menus/MenuHandlers.h"
#include "skin/win32/menus/MenuHooks.h"
#include "tests/skin_win32/wine_test_support.h"

namespace {

using namespace wakespan;

LRESULT Command(HWND window, uint16_t code, const TsSkinManager* manager = nullptr) {
  return SendMessageW(window, EngineCommandMessage, EngineCommand(code), reinterpret_cast<LPARAM>(manager));
}

class SkinnedFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gui::Application::Instance().Initialize();
    SetPaintPlatform(&Win32PaintPlatform());
  }
  void SetUp() override {
    manager.LoadSkinDirectory(wine_test::EmbeddedSkinDirectory());
    form = std::make_unique<gui::Form>(
        gui::FormLayout{L"TFrameTestForm", L"FrameTestForm", L"Skinned frame", gui::BorderStyle::Single, true, 300, 200});
    form->SetTopLeft(40, 40);
    form->Show();
    provider = std::make_unique<TsSkinProvider>(*form, manager);
    SetForegroundWindow(form->Handle());
    wine_test::PumpMessages(300);
  }
  void TearDown() override {
    provider.reset();
    form.reset();
  }
  HWND Window() const { return form->Handle(); }
  LONG_PTR Style() const { return GetWindowLongPtrW(Window(), GWL_STYLE); }

  TsSkinManager manager;
  std::unique_ptr<gui::Form> form;
  std::unique_ptr<TsSkinProvider> provider;
};

TEST_F(SkinnedFrame, AnswersTheEngineAndDropsTheSystemMenuStyle) {
  EXPECT_TRUE(provider->Skinned());
  EXPECT_EQ(Command(Window(), kCommandIsSkinned), 1);
  EXPECT_EQ(Command(Window(), 4), reinterpret_cast<LRESULT>(provider.get()));
  EXPECT_EQ(Command(Window(), kCommandApplication), reinterpret_cast<LRESULT>(&gui::Application::Instance()));
  EXPECT_EQ(Style() & WS_SYSMENU, 0);
  RECT window{}, client{};
  GetWindowRect(Window(), &window);
  GetClientRect(Window(), &client);
  POINT origin{0, 0};
  ClientToScreen(Window(), &origin);
  const LRESULT offsets = Command(Window(), 61);
  EXPECT_EQ(LOWORD(offsets), origin.x - window.left);
  EXPECT_EQ(HIWORD(offsets), origin.y - window.top);
}

TEST_F(SkinnedFrame, RegionCutsTheCornersAsTheSkinDoes) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
  RECT r{};
  GetWindowRect(Window(), &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  const struct {
    int x, y;
    bool inside;
  } points[] = {{0, 0, false},     {4, 0, false},     {5, 0, true},      {2, 1, false},   {3, 1, true},
                {0, 4, false},     {1, 4, true},      {0, 5, true},      {W - 5, 0, false}, {W - 6, 0, true},
                {0, H - 1, false}, {1, H - 1, true},  {W - 1, H - 1, false}, {W / 2, H / 2, true}};
  for (const auto& p : points) EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
  DeleteObject(region);
}

TEST_F(SkinnedFrame, FramePixelsComeFromTheCache) {
  const Bitmap* cache = provider->Cache().Data.FCacheBmp.get();
  ASSERT_TRUE(cache && !cache->IsEmpty());
  HDC dc = GetWindowDC(Window());
  int compared = 0, equal = 0;
  for (int x = 30; x < cache->Width() - 100; x += 17)
    for (int y : {3, 10, 17}) {
      const COLORREF screen = GetPixel(dc, x, y);
      if (screen == CLR_INVALID) continue;
      ++compared;
      if (screen == COLORREF(cache->Pixel(x, y))) ++equal;
    }
  ReleaseDC(Window(), dc);
  if (compared == 0) GTEST_SKIP() << "the window's pixels cannot be read back here";
  EXPECT_EQ(equal, compared);
}

TEST_F(SkinnedFrame, RemovingTheSkinGivesTheSystemFrameBack) {
  manager.SkinData.Active = false;
  Command(Window(), 2, &manager);
  EXPECT_FALSE(provider->Skinned());
  EXPECT_NE(Style() & WS_SYSMENU, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Window(), region), ERROR);
  DeleteObject(region);
  EXPECT_FALSE(provider->Cache().Data.FCacheBmp);
  // Still the form's provider, and skinned again by a new skin.
  EXPECT_EQ(Command(Window(), kCommandIsSkinned), 1);
  manager.SkinData.Active = true;
  Command(Window(), 1, &manager);
  wine_test::PumpMessages(200);
  EXPECT_TRUE(provider->Skinned());
  EXPECT_EQ(Style() & WS_SYSMENU, 0);
}

// The bar's items are written into the frame's cache over the bar's own
// background; the bar beyond the items stays that background.
TEST_F(SkinnedFrame, MenuBarItemsArePaintedIntoTheFrameCache) {
  Factories().paintMenuBar = &PaintMenuBarItems;
  MenuEngineFor(manager);
  auto* bar = form->Make<gui::MainMenu>(L"MainMenu1", nullptr);
  bar->Build({{0, L"File1", L"&File", -1}, {1, L"Exit1", L"E&xit", -1}, {0, L"Help1", L"&Help", -1}});
  form->SetMenu(bar);
  InitMenuLine(*bar, true, manager);
  wine_test::PumpMessages(300);
  RECT outer{}, item{};
  GetWindowRect(Window(), &outer);
  ASSERT_TRUE(GetMenuItemRect(Window(), bar->Handle(), 0, &item));
  const Bitmap* cache = provider->Cache().Data.FCacheBmp.get();
  ASSERT_TRUE(cache);
  const int right = cache->Width() - 30;  // a place of the bar with no item
  int text = 0, beyondItems = 0;
  for (int y = item.top - outer.top + 2; y < item.bottom - outer.top - 2; ++y) {
    for (int x = item.left - outer.left; x < item.right - outer.left; ++x) text += cache->Pixel(x, y) != cache->Pixel(right, y);
    for (int x = right - 20; x < right; ++x) beyondItems += cache->Pixel(x, y) != cache->Pixel(right, y);
  }
  EXPECT_GT(text, 10) << "the caption of File is in the cache";
  EXPECT_EQ(beyondItems, 0);
  form->SetMenu(nullptr);
  ReleaseMenuEngine();
  Factories().paintMenuBar = nullptr;
}

// ---- title buttons -------------------------------------------------------

POINT ScreenPointOf(HWND window, const Rect& r) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return POINT{outer.left + (r.Left + r.Right) / 2, outer.top + (r.Top + r.Bottom) / 2};
}

LRESULT HitTest(HWND window, POINT p) { return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)); }

TEST_F(SkinnedFrame, HitTestAnswersTheDrawnButtonsAndMakesThemHot) {
  const TsTitleButtons& b = provider->Cache().Buttons;
  EXPECT_EQ(HitTest(Window(), ScreenPointOf(Window(), b.Close.R)), HTCLOSE);
  EXPECT_EQ(provider->HotCode(), HTCLOSE);
  EXPECT_EQ(HitTest(Window(), ScreenPointOf(Window(), b.Max.R)), HTMAXBUTTON);
  EXPECT_EQ(HitTest(Window(), ScreenPointOf(Window(), b.Min.R)), HTMINBUTTON);
  EXPECT_EQ(provider->HotCode(), HTMINBUTTON);
  RECT outer{};
  GetWindowRect(Window(), &outer);
  // The caption and the client area are the system's answers, and nothing stays hot.
  EXPECT_EQ(HitTest(Window(), POINT{outer.left + 60, outer.top + 10}), HTCAPTION);
  EXPECT_EQ(HitTest(Window(), POINT{outer.left + 150, outer.top + 120}), HTCLIENT);
  EXPECT_EQ(provider->HotCode(), 0);
}

// Hovering close shows its fade window over the button, fading in one
// layered update per tick; leaving fades it out and removes the window.
TEST_F(SkinnedFrame, HoverFadesTheCloseButtonInAndLeavingFadesItOut) {
  if (!TacSBAnimation::Possible()) GTEST_SKIP() << "no layered windows here";
  const Rect close = provider->Cache().Buttons.Close.R;
  const POINT centre = ScreenPointOf(Window(), close);
  SetCursorPos(centre.x, centre.y);
  HitTest(Window(), centre);
  const TacSBAnimation* fade = provider->Fade(HTCLOSE);
  ASSERT_TRUE(fade && fade->Window());
  EXPECT_EQ(fade->Alpha(), 25) << "the first level at once";
  RECT r{};
  GetWindowRect(fade->Window(), &r);
  EXPECT_EQ(r.right - r.left, close.Width());
  EXPECT_EQ(r.bottom - r.top, close.Height());
  const DWORD start = GetTickCount();
  wine_test::PumpMessages(400);
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(fade->Alpha(), 255);
  EXPECT_LE(fade->Updates(), 1 + int(elapsed / 12) + 1) << "no more than one update per tick";
  EXPECT_EQ(fade->Updates(), 10) << "25, 50, ... 225, then 255 once";
  // The fully shown button polls the pointer: gone from it, the fade runs out.
  SetCursorPos(0, 0);
  wine_test::PumpMessages(400);
  EXPECT_EQ(provider->HotCode(), 0);
  EXPECT_EQ(fade->Window(), nullptr);
  EXPECT_FALSE(fade->Running());
}

double ProcessCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ms = [](FILETIME t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
  return ms(kernel) + ms(user);
}

// Benchmark, not run in CI (--gtest_also_run_disabled_tests
// --gtest_filter='*FullFade*'): the process's CPU time for a full fade of
// the close button in and out, against the same mouse moves over the
// caption and against a bare timer of the fade's interval (Wine spends
// about a millisecond on every tick of any timer).
TEST_F(SkinnedFrame, DISABLED_FullFadeInAndOutCpuTime) {
  const POINT centre = ScreenPointOf(Window(), provider->Cache().Buttons.Close.R);
  RECT outer{};
  GetWindowRect(Window(), &outer);
  const POINT caption{outer.left + 100, outer.top + 10};
  constexpr int kRounds = 10;
  // The same mouse moves and hit tests over the caption, where nothing fades.
  const auto rounds = [&](POINT over) {
    const double start = ProcessCpuMilliseconds();
    for (int round = 0; round < kRounds; ++round) {
      SetCursorPos(over.x, over.y);
      HitTest(Window(), over);
      wine_test::PumpMessages(250);
      SetCursorPos(0, 0);
      wine_test::PumpMessages(250);
    }
    return (ProcessCpuMilliseconds() - start) / kRounds;
  };
  const double moves = rounds(caption);
  double timer = 0;
  {
    // The floor: a bare timer of the fade's interval ticking as long.
    gui::Timer bare(nullptr, L"Bare", kFadeIntervalMs, true);
    bare.OnTimer = [] {};
    timer = rounds(caption) - moves;
  }
  const double fading = rounds(centre);
  const TacSBAnimation* fade = provider->Fade(HTCLOSE);
  std::printf("full fade in and out of close: %.1f ms CPU each; the same mouse moves over the caption: %.1f ms, "
              "with a bare %d ms timer ticking: %.1f ms more; %d layered updates in all\n",
              fading, moves, kFadeIntervalMs, timer, fade ? fade->Updates() : 0);
}

TEST_F(SkinnedFrame, PressAndReleaseOnCloseClosesButSlidingOffDoesNothing) {
  const TsTitleButtons& b = provider->Cache().Buttons;
  const POINT close = ScreenPointOf(Window(), b.Close.R), max = ScreenPointOf(Window(), b.Max.R);
  // Pressed on close, released after sliding onto maximize: no command.
  HitTest(Window(), close);
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(close.x, close.y));
  EXPECT_EQ(b.Close.State, 2);
  HitTest(Window(), max);
  SendMessageW(Window(), WM_NCLBUTTONUP, HTMAXBUTTON, MAKELPARAM(max.x, max.y));
  EXPECT_FALSE(IsZoomed(Window()));
  EXPECT_TRUE(IsWindowVisible(Window()));
  // Pressed and released on close: the form closes (and, not being the main form, hides).
  HitTest(Window(), close);
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(close.x, close.y));
  SendMessageW(Window(), WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(close.x, close.y));
  wine_test::PumpMessages(100);
  EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(SkinnedFrame, SystemMenuCopiesTheWindowsMenuWithTheAddedEntries) {
  const std::optional<std::vector<TsSysMenuEntry>> entries = ReadWindowMenu(Window());
  ASSERT_TRUE(entries);
  const auto has = [&](uint32_t id) {
    for (const TsSysMenuEntry& e : *entries)
      if (e.Id == id) return true;
    return false;
  };
  EXPECT_TRUE(has(SC_CLOSE)) << "the window's own menu outlives its dropped style";
  EXPECT_TRUE(has(SC_MOVE));
  HMENU own = GetSystemMenu(Window(), FALSE);
  AppendMenuW(own, MF_STRING, 0x120, L"Extra\tCtrl+E");
  TsSystemMenu menu;
  TsSysMenuForm single;
  single.HaveSysMenu = true;
  single.BiMaximize = single.BiMinimize = true;
  menu.UpdateItems(Window(), true, single);
  std::vector<uint32_t> commands;
  for (const TsSysMenuItem& item : menu.Items().Items)
    if (item.Kind != TsSysItemKind::Separator) commands.push_back(item.Command);
  EXPECT_EQ(commands, (std::vector<uint32_t>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0x120, SC_CLOSE}));
  EXPECT_EQ(menu.Items().ExtItemsCount, 1);
}

TEST_F(SkinnedFrame, ProviderGoneLeavesThePlainForm) {
  provider.reset();
  EXPECT_NE(Style() & WS_SYSMENU, 0);
  EXPECT_EQ(Command(Window(), kCommandIsSkinned), 0);
  wine_test::PumpMessages(100);  // the form still paints and answers
  EXPECT_TRUE(IsWindow(Window()));
}

// Repainting, resizing, switching the skin off and on and activating a
// skinned form, then destroying it, leaves the program's GDI count where it
// was: a leak in the frame's caches, regions or canvases shows here.
TEST_F(SkinnedFrame, SkinnedFormLeavesNoGdiObjectsBehind) {
  const long before = gui::LiveGdiObjects();
  EXPECT_EQ(SendMessageW(Window(), gui::LiveGdiObjectsMessage(), 0, 0), before);
  auto other = std::make_unique<gui::Form>(
      gui::FormLayout{L"TLeakTestForm", L"LeakTestForm", L"Leak test", gui::BorderStyle::Single, true, 260, 180});
  other->SetTopLeft(80, 80);
  other->Show();
  auto skinned = std::make_unique<TsSkinProvider>(*other, manager);
  const auto cycle = [&](int i) {
    SetWindowPos(other->Handle(), nullptr, 0, 0, 260 + i * 7, 180 + i * 5, SWP_NOMOVE | SWP_NOZORDER);
    SetForegroundWindow(i % 2 ? other->Handle() : Window());
    RedrawWindow(other->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (i % 3 == 0) {
      manager.SkinData.Active = false;
      Command(other->Handle(), 2, &manager);
      manager.SkinData.Active = true;
      Command(other->Handle(), 1, &manager);
    }
    wine_test::PumpMessages(30);
  };
  cycle(0);
  const long warm = gui::LiveGdiObjects();
  for (int i = 1; i <= 12; ++i) cycle(i);
  EXPECT_EQ(gui::LiveGdiObjects(), warm);
  skinned.reset();
  other.reset();
  wine_test::PumpMessages(50);
  EXPECT_EQ(gui::LiveGdiObjects(), before);
}

}  // namespace
