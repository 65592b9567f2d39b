#include <gtest/gtest.h>

#include <stdexcept>
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

// Key presses as the message loop receives them: posted to the focused control.
void PostKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  Application::Instance().ProcessMessages();
}

TEST_F(Framework, EnterClicksTheFocusedButtonOrElseTheDefaultOneAndEscapeTheCancelOne) {
  auto* push = form.Get<Button>(L"Push");
  auto* text = form.Get<Edit>(L"Text");
  Count(push->OnClick);
  form.Show();
  push->SetFocus();
  PostKey(push->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 1) << "Enter on a focused push button clicks it";
  PostKey(push->Handle(), VK_SPACE);
  EXPECT_EQ(clicks, 2) << "and so does the space bar";
  PostKey(text->Handle(), VK_RETURN);
  PostKey(text->Handle(), VK_ESCAPE);
  EXPECT_EQ(clicks, 2) << "a form without default and cancel buttons leaves Enter and Escape to the control";

  push->Default = true;
  PostKey(text->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 3) << "Enter elsewhere clicks the default button";
  push->SetEnabled(false);
  PostKey(text->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 3) << "a disabled default button is not clicked";
  push->SetEnabled(true);
  push->Default = false;
  push->Cancel = true;
  PostKey(text->Handle(), VK_ESCAPE);
  EXPECT_EQ(clicks, 4) << "Escape clicks the cancel button";
  PostKey(text->Handle(), VK_RETURN);
  EXPECT_EQ(clicks, 4) << "a cancel button is not the default one";
}

TEST_F(Framework, TheButtonEnterWouldClickIsDrawnAsTheActiveOne) {
  auto* push = form.Get<Button>(L"Push");
  auto* text = form.Get<Edit>(L"Text");
  auto active = [&] { return (GetWindowLongPtrW(push->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; };
  form.Show();
  push->SetFocus();
  EXPECT_TRUE(active()) << "the focused button";
  text->SetFocus();
  EXPECT_FALSE(active()) << "the focus left it, and it is not the default button";
  push->Default = true;
  form.Get<CheckBox>(L"Check")->SetFocus();
  EXPECT_TRUE(active()) << "the default button while no other button has the focus";
}

TEST_F(Framework, AModalFormDisablesOnlyTheWindowsAUserCouldClick) {
  TestForm waiting, laterShown, alreadyDisabled;
  waiting.Show();
  alreadyDisabled.Show();
  alreadyDisabled.SetEnabled(false);
  bool laterShownUsable = false, waitingDisabled = false;
  Timer* timer = form.Make<Timer>(L"Timer1", 20, true);
  timer->OnTimer = [&] {
    timer->SetEnabled(false);
    waitingDisabled = !IsWindowEnabled(waiting.Handle());
    laterShown.Show();  // say, a countdown that starts while an about window is open
    laterShownUsable = IsWindowEnabled(laterShown.Handle()) != FALSE;
    form.Hide();
  };
  form.ShowModal();
  EXPECT_TRUE(waitingDisabled) << "a visible window waits while the modal form is open";
  EXPECT_TRUE(laterShownUsable) << "a window shown while the modal form is open stays usable";
  EXPECT_TRUE(IsWindowEnabled(waiting.Handle())) << "the waiting window is usable again";
  EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.Handle())) << "only what the modal form disabled is enabled again";
}

TEST_F(Framework, ATimerStartedWithAnImmediateTickRunsEvenWhenThatTickFails) {
  Timer* timer = form.Make<Timer>(L"Timer1", 1000, false);
  timer->OnTimer = [] { throw std::runtime_error("Failed to get data for 'SetActTime'"); };
  EXPECT_THROW(timer->TickNowThenEnable(), std::runtime_error) << "the error still reaches the caller";
  EXPECT_TRUE(timer->Enabled());
}

TEST_F(Framework, ProcessingPendingMessagesHandlesEveryOneButLeavesTheQuitRequest) {
  auto* check = form.Get<CheckBox>(L"Check");
  Count(check->OnClick);
  for (int i = 0; i < 3; ++i) PostMessageW(check->Handle(), BM_CLICK, 0, 0);
  PostQuitMessage(7);
  Application::Instance().ProcessMessages();
  EXPECT_EQ(clicks, 3);
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}



TEST_F(Framework, HidingTheActiveFormActivatesTheNextAndItsFocusedControlGetsTheFocusBack) {
  TestForm other;
  auto* push = form.Get<Button>(L"Push");
  form.Show();
  push->SetFocus();
  other.Show();
  other.Get<Edit>(L"Text")->SetFocus();
  ASSERT_EQ(GetActiveWindow(), other.Handle());
  other.Hide();
  EXPECT_EQ(GetActiveWindow(), form.Handle()) << "the window a user sees next is active";
  EXPECT_EQ(GetFocus(), push->Handle()) << "with the focus where it was when the form was left";
}

TEST_F(Framework, AClosedModalFormHandsTheActivationBackToTheWindowItMadeWait) {
  TestForm waiting;
  auto* push = waiting.Get<Button>(L"Push");
  waiting.Show();
  push->SetFocus();
  Timer* timer = form.Make<Timer>(L"Timer1", 20, true);
  timer->OnTimer = [&] {
    timer->SetEnabled(false);
    form.Close();
  };
  form.ShowModal();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(GetActiveWindow(), waiting.Handle()) << "enabled again before the modal form hid";
  EXPECT_EQ(GetFocus(), push->Handle());
}

// A component that records when its form tells it loading has ended.
class LoadWatcher : public Component {
 public:
  LoadWatcher(Form* owner, std::vector<std::wstring>* log) : Component(owner, L"Watcher"), log_(log) {}
  const wchar_t* ClassName() const override { return L"TWatcher"; }
  void Loaded() override { log_->push_back(Owner()->Loading() ? L"still loading" : Name()); }

 private:
  std::vector<std::wstring>* log_;
};

TEST_F(Framework, AFormLoadsUntilFinishedThenTellsEachComponentOnce) {
  std::vector<std::wstring> log;
  form.Make<LoadWatcher>(&log);
  EXPECT_TRUE(form.Loading());
  form.FinishLoading();
  form.FinishLoading();
  EXPECT_FALSE(form.Loading());
  EXPECT_EQ(log, std::vector<std::wstring>{L"Watcher"}) << "once, and with the form no longer loading";
}

TEST_F(Framework, ControlsTakeMessagesDirectlyWindowlessOnesAnswerNothing) {
  Control* label = form.Get<Label>(L"Caption");
  Control* check = form.Get<CheckBox>(L"Check");
  form.Get<CheckBox>(L"Check")->SetChecked(true);
  Message query{BM_GETCHECK, 0, 0, 99};
  check->Perform(query);
  EXPECT_EQ(query.result, BST_CHECKED);
  Message ignored{BM_GETCHECK, 0, 0, 0};
  label->Perform(ignored);
  EXPECT_EQ(ignored.result, 0);
}

TEST_F(Framework, TheApplicationWindowsHandlerChainsPassesOnAndCanBeRestored) {
  Application& app = Application::Instance();
  const UINT probe = WM_APP + 0x123;
  int seen = 0;
  MessageHandler previous = app.ReplaceMessageHandler([&](Message& m) {
    if (m.msg == probe) {
      ++seen;
      m.result = 42;
      return;
    }
    previous(m);
  });
  EXPECT_EQ(SendMessageW(app.Handle(), probe, 0, 0), 42);
  wchar_t title[64] = {};
  GetWindowTextW(app.Handle(), title, 64);
  EXPECT_EQ(app.Title(), title) << "other messages still reach the window's own handling";
  bool fired = false;
  Timer* timer = form.Make<Timer>(L"Timer1", 10, true);
  timer->OnTimer = [&] { fired = true; };
  for (int i = 0; i < 200 && !fired; ++i) app.ProcessOneMessage();
  EXPECT_TRUE(fired) << "timers still tick through the chain";
  timer->SetEnabled(false);
  app.ReplaceMessageHandler(previous);
  EXPECT_EQ(SendMessageW(app.Handle(), probe, 0, 0), 0);
  EXPECT_EQ(seen, 1);
}

}  // namespace
