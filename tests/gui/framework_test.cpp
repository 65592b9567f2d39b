#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/GraphicControls.h"
#include "platform/gui/Layout.h"
#include "platform/gui/StdControls.h"
#include "platform/gui/Timer.h"

namespace {

using namespace gui;

class TestForm : public Form {
 public:
  TestForm() : Form(Layout()) {
    BuildControls(*this, {
                             {ControlKind::GroupBox, L"Box", nullptr, L"Box:", {4, 4, 200, 150}, 10},
                             {ControlKind::CheckBox, L"Check", L"Box", L"Check", {8, 20, 90, 17}, 11},
                             {ControlKind::RadioButton, L"First", L"Box", L"First", {8, 40, 90, 17}, 12},
                             {ControlKind::RadioButton, L"Second", L"Box", L"Second", {8, 60, 90, 17}, 13},
                             {ControlKind::Edit, L"Text", L"Box", L"", {8, 80, 120, 21}, 14},
                             {ControlKind::Label, L"Caption", L"Box", L"Caption", {8, 110, 60, 13}, 0},
                             {ControlKind::Button, L"Push", nullptr, L"Push", {4, 160, 75, 25}, 15},
                             {ControlKind::ProgressBar, L"Bar", nullptr, L"", {90, 160, 100, 16}, 16},
                         });
  }
  template <typename T>
  T* Get(const wchar_t* name) { return Find<T>(*this, name); }

 private:
  static FormLayout Layout() {
    FormLayout layout{L"TTestForm", L"TestForm", L"Test"};
    layout.clientWidth = 220;
    layout.clientHeight = 200;
    return layout;
  }
};

class Framework : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application::Instance().Initialize(); }
  TestForm form;
  int clicks = 0;
  void Count(NotifyEvent& event) {
    event = [this](Control&) { ++clicks; };
  }
};

TEST_F(Framework, FormsListTheirComponentsInCreationOrderWithClassNames) {
  form.Make<Timer>(L"Timer1", 1000, false);
  std::vector<std::wstring> seen;
  for (Component* c : form.Components()) seen.push_back(c->Name() + L":" + c->ClassName());
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"Box:TGroupBox", L"Check:TCheckBox", L"First:TRadioButton",
                                             L"Second:TRadioButton", L"Text:TEdit", L"Caption:TLabel",
                                             L"Push:TButton", L"Bar:TProgressBar", L"Timer1:TTimer"}));
  EXPECT_EQ(form.Get<GroupBox>(L"Box")->Controls().size(), 5u);
  EXPECT_EQ(GetDlgCtrlID(form.Get<Edit>(L"Text")->Handle()), 14);
  EXPECT_EQ(GetParent(form.Get<Edit>(L"Text")->Handle()), form.Get<GroupBox>(L"Box")->Handle());
}

TEST_F(Framework, ProgramChangesFireTheSameEventsAsTheUser) {
  auto* check = form.Get<CheckBox>(L"Check");
  Count(check->OnClick);
  check->SetChecked(true);
  check->SetChecked(true);
  EXPECT_EQ(clicks, 1) << "setting the same state is no change";
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(check->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(check->Checked());

  auto* text = form.Get<Edit>(L"Text");
  int changes = 0;
  text->OnChange = [&](Control&) { ++changes; };
  text->SetText(L"23:0:0");
  text->SetText(L"23:0:0");
  EXPECT_EQ(changes, 1);
  const std::wstring huge(40000, L'8');  // past the edit control's default limit of 30,000
  text->SetText(huge);
  EXPECT_EQ(text->Text(), huge) << "edits have no length limit";
}

TEST_F(Framework, RadioButtonsOnOneParentFormOneGroup) {
  auto* first = form.Get<RadioButton>(L"First");
  auto* second = form.Get<RadioButton>(L"Second");
  int firstClicks = 0, secondClicks = 0;
  first->OnClick = [&](Control&) { ++firstClicks; };
  second->OnClick = [&](Control&) { ++secondClicks; };
  first->SetChecked(true);
  second->SetChecked(true);
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(second->Checked());
  second->SetChecked(true);
  first->SetChecked(false);
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(secondClicks, 1);
  SendMessageW(first->Handle(), BM_CLICK, 0, 0);  // the user picks the other one
  EXPECT_TRUE(first->Checked());
  EXPECT_FALSE(second->Checked());
  EXPECT_EQ(firstClicks, 2);
  SendMessageW(first->Handle(), BM_CLICK, 0, 0);  // clicking the checked one changes nothing
  EXPECT_EQ(firstClicks, 2);
  SendMessageW(second->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(secondClicks, 2);
}

TEST_F(Framework, MessageHandlersChainAndCanBeRestored) {
  auto* check = form.Get<CheckBox>(L"Check");
  int seen = 0;
  MessageHandler previous;
  previous = check->ReplaceMessageHandler([&](Message& m) {
    if (m.msg == BM_GETCHECK) ++seen;
    previous(m);
  });
  check->SetChecked(true);
  EXPECT_TRUE(check->Checked());
  EXPECT_GT(seen, 0) << "the installed handler sees the control's own messages";
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED) << "and the default still answers";
  check->ReplaceMessageHandler(previous);
  const int before = seen;
  check->Checked();
  EXPECT_EQ(seen, before);
}

TEST_F(Framework, PressesOnWindowlessControlsReachThemThroughTheirParent) {
  auto* box = form.Get<GroupBox>(L"Box");
  auto* label = form.Get<Label>(L"Caption");
  std::vector<std::wstring> pressed;
  auto record = [&](Control& c, MouseButton, ShiftState shift, int, int) {
    pressed.push_back(c.Name() + (shift.left ? L"+left" : L""));
  };
  label->OnMouseDown = record;
  box->OnMouseDown = record;
  form.Get<ProgressBar>(L"Bar")->OnMouseDown = record;
  SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 112));
  SendMessageW(box->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 20));
  SendMessageW(form.Get<ProgressBar>(L"Bar")->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(pressed, (std::vector<std::wstring>{L"Caption+left", L"Box", L"Bar+left"}));
  EXPECT_EQ(SendMessageW(box->Handle(), WM_NCHITTEST, 0, 0), HTCLIENT) << "a group box takes its own presses";
}

TEST_F(Framework, CloseQueryAndResizeConsent) {
  bool allow = false;
  form.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
  form.Show();
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.Visible()) << "a refused close leaves the form as it is";
  EXPECT_EQ(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  allow = true;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Visible()) << "closing a form that is not the main form hides it";
  EXPECT_TRUE(IsWindow(form.Handle()));

  form.SetConstraints({300, 250, 300, 250});
  EXPECT_EQ(form.Width(), 300) << "constraints apply while the form is being created";
  form.OnCanResize = [](int&, int&, bool& resize) { resize = false; };
  form.RunCreate();
  SetWindowPos(form.Handle(), nullptr, 0, 0, 500, 500, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(form.Width(), 300);
  EXPECT_EQ(form.Height(), 250);
}

TEST_F(Framework, CentringAppliesAtTheNextShowOnly) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  form.SetTopLeft(0, 0);
  form.RequestCentre();
  form.Show();
  RECT r;
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - form.Width()) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - form.Height()) / 2);
  form.Hide();
  form.SetTopLeft(5, 7);
  form.Show();
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.left, 5) << "a dragged form keeps its place until centring is requested again";
}

TEST_F(Framework, TimersTickThroughTheMessageLoopAndKeepTheirRhythm) {
  Timer* timer = form.Make<Timer>(L"Timer1", 30, true);
  int ticks = 0;
  timer->OnTimer = [&] { ++ticks; };
  const DWORD start = GetTickCount();
  MSG msg;
  while (ticks < 2 && GetTickCount() - start < 3000) {
    timer->SetEnabled(true);  // enabling a running timer must not restart it
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(1);
  }
  EXPECT_GE(ticks, 2);
  timer->SetEnabled(false);
  const int stopped = ticks;
  Sleep(80);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
