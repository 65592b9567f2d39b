// Real framework controls wrapped on a form that answers background
// queries with a bitmap of its own: what the wrappers answer, what they
// paint, hover, switching the skin off and on, unhooking, and that every
// control keeps behaving as before.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/GraphicControls.h"
#include "platform/gui/StdControls.h"
#include "skin/controls/sButtonPaint.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/PixelOps.h"
#include "skin/win32/controls/TacCtrlAdapter.h"
#include "skin/win32/controls/TacMainWnd.h"
#include "skin/win32/controls/TacWrapperFactory.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "tests/skin_win32/wine_test_support.h"

namespace {

using namespace wakespan;

// The manager's view of the windows: only the commands to one window.
class CommandWindows : public TacSkinWindows {
 public:
  void Broadcast(const TsSkinManager&, TacEngineCommand, std::string_view) override {}
  void SendCommand(TacWindowHandle window, TacEngineCommand command, const TsSkinManager& sender) override {
    SendMessageW(reinterpret_cast<HWND>(window), EngineCommandMessage, EngineCommand(uint16_t(command)),
                 reinterpret_cast<LPARAM>(&sender));
  }
  void FreezeForms(const TsSkinManager&) override {}
  void UnfreezeForms(const TsSkinManager&) override {}
  void RedrawHookedWindows() override {}
  void InstallHook(TsSkinManager&) override {}
  void RemoveHook() override {}
  void ReleaseGlows() override {}
  void ResetMenuBorderWidth() override {}
  void UpdateStdDialogs(bool) override {}
  void ShowError(const std::string&) override {}
  void ShowMessage(const std::string&) override {}
  bool OwnerLoading() const override { return false; }
};

constexpr uint32_t kFormColor = 0x204060;

// A form whose background is a plain bitmap it hands to asking children.
class TestForm : public gui::Form {
 public:
  TestForm() : gui::Form(Layout()), background_(400, 300, PixelFormat::Bgr24) {
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 400; ++x) background_.SetPixel(x, y, kFormColor);
    previous_ = ReplaceMessageHandler([this](gui::Message& m) {
      if (m.msg == EngineCommandMessage && (m.wParam >> 16) == kCommandBackgroundQuery) {
        auto* info = reinterpret_cast<BackgroundInfo*>(m.lParam);
        info->Kind = BackgroundInfo::kCacheBitmap;
        info->Bitmap = &background_;
        info->OffsetX = info->OffsetY = 0;
        return;
      }
      previous_(m);
    });
    ok = Make<gui::Button>(this, L"OKbtn", gui::Bounds{10, 10, 75, 25}, 1, L"OK");
    cancel = Make<gui::BitBtn>(this, L"Cancelbtn", gui::Bounds{100, 10, 75, 25}, 2, L"Cancel");
    check = Make<gui::CheckBox>(this, L"RunCheck", gui::Bounds{10, 50, 120, 17}, 3, L"Run At StartUp.");
    group = Make<gui::GroupBox>(this, L"GroupBox2", gui::Bounds{10, 80, 300, 120}, 4, L"Action:");
    radio = Make<gui::RadioButton>(group, L"ShutR", gui::Bounds{8, 20, 121, 17}, 5, L"Shut down Windows.");
    edit = Make<gui::Edit>(group, L"ActionTime", gui::Bounds{8, 50, 112, 21}, 6);
    label = Make<gui::Label>(group, L"Label1", gui::Bounds{8, 80, 80, 13}, L"At This Time:");
    engineOwn = Make<gui::Button>(this, L"Aux", gui::Bounds{200, 10, 75, 25}, 7, L"Aux");
    engineOwn->Tag = -98;
    progress = Make<gui::ProgressBar>(this, L"ProgressBar1", gui::Bounds{10, 220, 200, 16}, 8);
    FinishLoading();
  }
  gui::Button* ok;
  gui::BitBtn* cancel;
  gui::CheckBox* check;
  gui::GroupBox* group;
  gui::RadioButton* radio;
  gui::Edit* edit;
  gui::Label* label;
  gui::Button* engineOwn;
  gui::ProgressBar* progress;

 private:
  static gui::FormLayout Layout() {
    gui::FormLayout layout{L"TControlsForm", L"ControlsForm", L"Controls"};
    layout.clientWidth = 400;
    layout.clientHeight = 300;
    return layout;
  }
  Bitmap background_;
  gui::MessageHandler previous_;
};

LRESULT Command(HWND window, uint16_t code, LPARAM lParam = 0) {
  return SendMessageW(window, EngineCommandMessage, EngineCommand(code), lParam);
}

// The control painted into a memory bitmap through its own WM_PAINT.
Bitmap Painted(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  Bitmap result(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) result.SetPixel(x, y, GetPixel(dc, x, y) & 0xFFFFFF);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return result;
}

class WrappedControls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gui::Application::Instance().Initialize();
    SetPaintPlatform(&Win32PaintPlatform());
  }
  static void TearDownTestSuite() { SetPaintPlatform(nullptr); }
  void SetUp() override {
    manager.LoadSkinDirectory(wine_test::EmbeddedSkinDirectory());
    RebuildThirdLists(manager.ThirdParty, manager.ThirdLists);
    form = std::make_unique<TestForm>();
    form->Show();
    adapter = std::make_unique<TacCtrlAdapter>(*form, manager);
    adapter->AddAllItems();
  }
  void TearDown() override {
    adapter.reset();
    form.reset();
  }
  TsCommonData& DataOf(gui::WinControl& control) {
    return adapter->GetItem(adapter->IndexOf(control))->SkinData;
  }
  // The button's state image of BUTTON at row 2 over the form's colour.
  Bitmap ButtonSection(int state) {
    TsCommonData data;
    data.FSkinManager = &manager;
    data.SetSkinSection("BUTTON");
    Bitmap parent(75, 25, PixelFormat::Bgr24);
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 75; ++x) parent.SetPixel(x, y, kFormColor);
    Bitmap b(75, 25, PixelFormat::Bgr24);
    PaintSection(data, CacheInfoOfBitmap(&parent, 0, 0), true, state, Rect{0, 0, 75, 25}, Point{}, &b, true);
    return b;
  }

  CommandWindows windows;
  TsSkinManager manager{&windows};
  std::unique_ptr<TestForm> form;
  std::unique_ptr<TacCtrlAdapter> adapter;
};

TEST_F(WrappedControls, TheProgramsControlKindsAreWrappedAndMarkedTheRestLeftAlone) {
  EXPECT_EQ(adapter->Count(), 6);
  for (gui::WinControl* control : std::initializer_list<gui::WinControl*>{
           form->ok, form->cancel, form->check, form->group, form->radio, form->edit}) {
    EXPECT_EQ(Command(control->Handle(), kCommandIsSkinned), 1) << control->Name().size();
    EXPECT_EQ(GetPropW(control->Handle(), kWrapperProperty), TacMainWnd::FromWindow(control->Handle()));
    EXPECT_NE(TacMainWnd::FromWindow(control->Handle()), nullptr);
  }
  EXPECT_EQ(DataOf(*form->ok).FSkinSection, "BUTTON");
  EXPECT_EQ(DataOf(*form->radio).FSkinSection, "CHECKBOX");
  EXPECT_EQ(DataOf(*form->group).FSkinSection, "GROUPBOX");
  EXPECT_EQ(DataOf(*form->edit).FSkinSection, "EDIT");
  EXPECT_EQ(DataOf(*form->ok).COC, 227);
  EXPECT_EQ(Command(form->engineOwn->Handle(), kCommandIsSkinned), 0) << "Tag -98 is never wrapped";
  EXPECT_EQ(Command(form->progress->Handle(), kCommandIsSkinned), 0);
  EXPECT_TRUE(form->label->Transparent);
  EXPECT_EQ(form->label->FontColor, COLORREF(15455950)) << "GLOBALINFO's FONTCOLOR";
  adapter->AddAllItems();
  EXPECT_EQ(adapter->Count(), 6) << "a wrapped control is not wrapped twice";
}

TEST_F(WrappedControls, PaintingCopiesTheCacheAndHoverMakesTheButtonHot) {
  const HWND ok = form->ok->Handle();
  form->edit->SetFocus();  // the first button took the focus when the form showed
  const Bitmap normal = Painted(ok);
  const Bitmap& cache = *DataOf(*form->ok).FCacheBmp;
  for (int y = 0; y < 25; y += 4)
    for (int x = 0; x < 75; x += 6) ASSERT_EQ(normal.Pixel(x, y), cache.Pixel(x, y)) << x << "," << y;
  const Bitmap state0 = ButtonSection(0), state1 = ButtonSection(1);
  EXPECT_EQ(normal.Pixel(2, 2), state0.Pixel(2, 2));
  ASSERT_NE(state0.Pixel(2, 2), state1.Pixel(2, 2));

  RECT r{};
  GetWindowRect(ok, &r);
  SetCursorPos(r.left + 30, r.top + 12);
  SendMessageW(ok, WM_MOUSEMOVE, 0, MAKELPARAM(30, 12));
  EXPECT_EQ(manager.ActiveControl(), reinterpret_cast<TacWindowHandle>(ok));
  EXPECT_TRUE(DataOf(*form->ok).FMouseAbove) << "command 29 arrived";
  EXPECT_EQ(Painted(ok).Pixel(2, 2), state1.Pixel(2, 2));
  manager.SetActiveControl(0);  // the mouse went elsewhere: command 30
  EXPECT_FALSE(DataOf(*form->ok).FMouseAbove);
  EXPECT_EQ(Painted(ok).Pixel(2, 2), state0.Pixel(2, 2));

  form->ok->ShowAsActive(true);  // the default button
  EXPECT_EQ(Painted(ok).Pixel(2, 2), state1.Pixel(2, 2)) << "the default button is hot";
  SendMessageW(ok, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(Painted(ok).Pixel(2, 2), ButtonSection(2).Pixel(2, 2)) << "pressed";
  SendMessageW(ok, BM_SETSTATE, FALSE, 0);
}

TEST_F(WrappedControls, ChecksAndClicksBehaveAsBeforeAndTheCheckMarkFollows) {
  int clicks = 0, checks = 0;
  form->ok->OnClick = [&](gui::Control&) { ++clicks; };
  form->check->OnClick = [&](gui::Control&) { ++checks; };
  SendMessageW(form->ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  const Bitmap unchecked = Painted(form->check->Handle());
  SendMessageW(form->check->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->check->Checked());
  EXPECT_EQ(checks, 1);
  form->edit->SetFocus();
  const Bitmap checked = Painted(form->check->Handle());
  EXPECT_FALSE(checked == unchecked) << "the mark changed";
  // The mark's area away from the caption: the form's colour shows where
  // the image is keyed, so the mark is drawn over the form's bitmap.
  EXPECT_EQ(checked.Pixel(118, 1), kFormColor);
  form->radio->SetChecked(true);
  EXPECT_TRUE(form->radio->Checked());
}

TEST_F(WrappedControls, EditTypesAndSwitchingTheSkinOffAndOnSwapsItsColours) {
  int changes = 0;
  form->edit->OnChange = [&](gui::Control&) { ++changes; };
  const HWND edit = form->edit->Handle();
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(form->edit->Color(), COLORREF(15454149)) << "the section's COLOR";
  EXPECT_EQ(form->edit->FontColor(), COLORREF(1575944)) << "its HOTFONTCOLOR";
  SendMessageW(edit, WM_CHAR, L'2', 1);
  SendMessageW(edit, WM_CHAR, L'3', 1);
  EXPECT_EQ(form->edit->Text(), L"23");
  EXPECT_EQ(changes, 2);

  // The manager marks its skin inactive before it tells the windows.
  manager.SkinData.Active = false;
  adapter->WndProc(EngineCommandMessage, EngineCommand(2), reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(form->edit->Color(), CLR_INVALID) << "its own colours back";
  EXPECT_FALSE(form->label->Transparent);
  EXPECT_EQ(Command(edit, kCommandIsSkinned), 1) << "still hooked";
  adapter->WndProc(EngineCommandMessage, EngineCommand(1), reinterpret_cast<LPARAM>(&manager));
  manager.SkinData.Active = true;
  adapter->WndProc(EngineCommandMessage, EngineCommand(3), reinterpret_cast<LPARAM>(&manager));
  EXPECT_EQ(form->edit->Color(), COLORREF(15454149));
  EXPECT_TRUE(form->label->Transparent);
}

TEST_F(WrappedControls, BackgroundQueriesPassThroughTheGroupBoxToTheForm) {
  BackgroundInfo info;
  SendMessageW(form->group->Handle(), EngineCommandMessage, EngineCommand(kCommandBackgroundQuery),
               reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.Kind, BackgroundInfo::kCacheBitmap);
  EXPECT_EQ(info.OffsetX, 10) << "the group box's place in the form";
  EXPECT_EQ(info.OffsetY, 80);
  EXPECT_EQ(Command(form->ok->Handle(), kCommandControlColor), LRESULT(8085332)) << "BUTTON's COLOR";
}

TEST_F(WrappedControls, RemovingTheItemsAndDestroyingWindowsUnhooks) {
  const HWND check = form->check->Handle();
  DestroyWindow(form->radio->Handle());
  adapter->CleanItems();
  EXPECT_EQ(adapter->Count(), 5);
  adapter->RemoveAllItems();
  EXPECT_EQ(adapter->Count(), 0);
  EXPECT_EQ(Command(check, kCommandIsSkinned), 0);
  EXPECT_EQ(GetPropW(check, kWrapperProperty), nullptr);
  int checks = 0;
  form->check->OnClick = [&](gui::Control&) { ++checks; };
  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_EQ(checks, 1) << "the framework's own handler is back";
  EXPECT_FALSE(form->label->Transparent);
}

// The halftone stretch of the button's edges and centre must read the rows of
// its own image: a stretch from the wrong rows brings in the master bitmap's
// magenta key colour.
TEST_F(WrappedControls, NoKeyColourShowsOnAPaintedButton) {
  for (int state = 0; state < 3; ++state) {
    const Bitmap b = ButtonSection(state);
    int magenta = 0;
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 75; ++x) magenta += b.Pixel(x, y) == 0xFF00FF;
    EXPECT_EQ(magenta, 0) << "state " << state;
  }
}

TEST_F(WrappedControls, PlainWindowsAreHookedThroughTheirWindowProcedure) {
  const HWND plain = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 60, 75, 25,
                                     form->Handle(), nullptr, nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(plain, GWLP_WNDPROC);
  std::unique_ptr<TacMainWnd> wrapper = CreateWrapper(1, plain, nullptr, &manager, "");
  EXPECT_NE(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
  EXPECT_EQ(Command(plain, kCommandIsSkinned), 1);
  EXPECT_EQ(wrapper->SkinData().FSkinSection, "BUTTON");
  EXPECT_EQ(Painted(plain).Pixel(2, 2), ButtonSection(0).Pixel(2, 2));
  wrapper->Unhook();
  EXPECT_EQ(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
  EXPECT_EQ(GetPropW(plain, kWrapperProperty), nullptr);
  EXPECT_EQ(Command(plain, kCommandIsSkinned), 0);
  wrapper.reset();
  DestroyWindow(plain);
}

}  // namespace
