// Benchmark, not run in CI (run it with --gtest_also_run_disabled_tests
// --gtest_filter='*ButtonRepaint*'): one hot-state repaint of a wrapped
// button, which rebuilds its cache and copies it to the window, against
// one BitBlt of the button's size, the floor measured beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/StdControls.h"
#include "skin/data/sSkinManager.h"
#include "skin/win32/controls/TacCtrlAdapter.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "tests/skin_win32/wine_test_support.h"

namespace {

using namespace wakespan;
using Clock = std::chrono::steady_clock;

class BenchForm : public gui::Form {
 public:
  BenchForm() : gui::Form(gui::FormLayout{L"TBenchForm", L"BenchForm", L"Bench", gui::BorderStyle::Single, true, 200, 80}) {
    button = Make<gui::Button>(this, L"OKbtn", gui::Bounds{10, 10, 75, 25}, 1, L"OK");
    FinishLoading();
  }
  gui::Button* button;
};

template <typename Step>
double MicrosecondsPerRun(int runs, Step step) {
  const auto start = Clock::now();
  for (int i = 0; i < runs; ++i) step();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

TEST(ControlsBench, DISABLED_ButtonRepaintAgainstOneBitBlt) {
  gui::Application::Instance().Initialize();
  SetPaintPlatform(&Win32PaintPlatform());
  TsSkinManager manager;
  manager.LoadSkinDirectory(wine_test::EmbeddedSkinDirectory());
  RebuildThirdLists(manager.ThirdParty, manager.ThirdLists);
  BenchForm form;
  form.Show();
  TacCtrlAdapter adapter(form, manager);
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 1);
  TsCommonData& data = adapter.GetItem(0)->SkinData;
  data.FMouseAbove = true;  // hot
  const HWND window = form.button->Handle();
  const HDC dc = GetDC(window);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 75, 25);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  constexpr int kRuns = 2000;
  const double repaint = MicrosecondsPerRun(kRuns, [&] {
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    GdiFlush();
  });
  const double blit = MicrosecondsPerRun(kRuns, [&] {
    BitBlt(dc, 0, 0, 75, 25, memory, 0, 0, SRCCOPY);
    GdiFlush();
  });
  std::printf("hot repaint of a 75 x 25 button: %.1f us; one BitBlt of its size: %.1f us; ratio %.1f\n", repaint,
              blit, repaint / blit);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  SetPaintPlatform(nullptr);
}

}  // namespace
