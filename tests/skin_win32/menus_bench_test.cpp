// Benchmark, not run in CI (run it with --gtest_also_run_disabled_tests
// --gtest_filter='*MenuShown*'): the time from asking for a popup menu of
// the tray menu's shape until it is shown and painted (the menu loop turns
// idle), skinned by the engine (owner-drawn items, the menu window's
// wrapper from the hook) against the same menu drawn by the system.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Menus.h"
#include "skin/data/sSkinManager.h"
#include "skin/win32/manager/CbtHook.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "skin/win32/menus/MenuEngine.h"
#include "skin/win32/menus/MenuHooks.h"
#include "skin/win32/menus/MenuRegistration.h"
#include "tests/skin_win32/wine_test_support.h"

namespace {

using namespace wakespan;
using Clock = std::chrono::steady_clock;

Clock::time_point idleAt;

// The owner measures and draws the items and ends the menu once it is idle.
LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg == WM_MEASUREITEM || msg == WM_DRAWITEM) && gui::HandleMenuPicture(msg, lParam)) return TRUE;
  if (msg == WM_ENTERIDLE && wParam == MSGF_MENU) {
    idleAt = Clock::now();
    EndMenu();
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MakeOwner() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MenuBenchOwner";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

// Milliseconds from the request to the idle menu, the median of `runs`.
double MedianShownMs(HMENU menu, HWND owner, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, 400, 300, 0, owner, nullptr);
    times.push_back(std::chrono::duration<double, std::milli>(idleAt - start).count());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

TEST(MenusBench, DISABLED_TrayShapedMenuShownSkinnedAgainstTheSystems) {
  gui::Application::Instance().Initialize();
  SetPaintPlatform(&Win32PaintPlatform());
  TsSkinManager manager;
  manager.LoadSkinDirectory(wine_test::EmbeddedSkinDirectory());
  const HWND owner = MakeOwner();
  gui::PopupMenu menu(nullptr, L"PopupMenu1", nullptr);
  menu.Build({{0, L"Settings1", L"&Settings", -1},
              {0, L"Do1", L"&Execute Action...", -1},
              {1, L"ShutDown1", L"&Shut Down", -1},
              {0, L"N3", L"-", -1},
              {0, L"Open1", L"Windows", -1},
              {1, L"Notepad1", L"Notepad", -1},
              {0, L"ControlPanel1", L"Control Panel ", -1},
              {1, L"Main1", L"Main", -1},
              {0, L"N1", L"-", -1},
              {0, L"Help1", L"&Help", -1},
              {1, L"About1", L"&About", -1},
              {0, L"N4", L"-", -1},
              {0, L"Exit1", L"E&xit", -1}});
  constexpr int kRuns = 15;
  const double system = MedianShownMs(menu.Handle(), owner, kRuns);
  RegisterMenuSkinning();
  MenuEngineFor(manager);
  ThreadCbtHook hook(manager, [] { return engine::HookSettings{}; });
  HookPopupMenu(menu, true, manager);
  ASSERT_TRUE(menu.OwnerDraw());
  const double skinned = MedianShownMs(menu.Handle(), owner, kRuns);
  std::printf("tray-shaped menu shown and painted: skinned %.2f ms, drawn by the system %.2f ms, ratio %.2f\n",
              skinned, system, skinned / system);
  HookPopupMenu(menu, false, manager);
  ReleaseMenuEngine();
  DestroyWindow(owner);
}

}  // namespace
