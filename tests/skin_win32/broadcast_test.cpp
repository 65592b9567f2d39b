#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Layout.h"
#include "platform/gui/StdControls.h"
#include "skin/data/sSkinManager.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/EngineLists.h"
#include "skin/win32/manager/SkinWindowsWin32.h"

namespace {

using namespace wakespan;
using Lines = std::vector<std::wstring>;

Lines received;

// What one control got of the engine's commands, as "name:command".
void Record(const std::wstring& name, const gui::Message& m) {
  received.push_back(name + L":" + std::to_wstring(engine::CommandOf(m.wParam)));
}

// A windowless control that records what reaches it through its own dispatch.
class Sprite : public gui::Control {
 public:
  Sprite(gui::Form* owner, gui::WinControl* parent) : gui::Control(owner, parent, L"Sprite", {0, 0, 5, 5}) {}
  const wchar_t* ClassName() const override { return L"TSprite"; }
  void Perform(gui::Message& m) override {
    if (m.msg == EngineCommandMessage) Record(Owner()->Name() + L".Sprite", m);
  }
};

class WalkForm : public gui::Form {
 public:
  explicit WalkForm(const wchar_t* name) : gui::Form(Layout(name)) {
    gui::BuildControls(*this, {
                                  {gui::ControlKind::GroupBox, L"Box", nullptr, L"Box", {4, 4, 150, 80}, 10},
                                  {gui::ControlKind::Button, L"Inner", L"Box", L"Inner", {8, 20, 60, 22}, 11},
                                  {gui::ControlKind::Button, L"Wrapped", nullptr, L"Wrapped", {4, 90, 60, 22}, 12},
                              });
    Make<Sprite>(this);
    Wrap(*gui::Find<gui::Button>(*this, L"Inner"));
    Wrap(*gui::Find<gui::Button>(*this, L"Wrapped"));
    Listen(*this, false);
  }
  // A stand-in wrapper: answers the handled query and records commands.
  void Wrap(gui::WinControl& control) { Listen(control, true); }
  void Listen(gui::WinControl& control, bool handled) {
    auto previous = std::make_shared<gui::MessageHandler>();
    const std::wstring name = Name() + L"." + control.Name();
    *previous = control.ReplaceMessageHandler([this, previous, name, handled](gui::Message& m) {
      if (m.msg == EngineCommandMessage) {
        if (engine::CommandOf(m.wParam) == engine::kHandledQuery) {
          m.result = handled || answersHandled ? 1 : 0;
        } else {
          Record(name, m);
          senders.push_back(m.lParam);
        }
        return;
      }
      if (m.msg == WM_SETREDRAW) redraws.push_back(m.wParam != 0);
      (*previous)(m);
    });
  }
  bool answersHandled = false;
  std::vector<LPARAM> senders;
  std::vector<bool> redraws;

 private:
  static gui::FormLayout Layout(const wchar_t* name) {
    gui::FormLayout layout{L"TWalkForm", name, name};
    layout.clientWidth = 200;
    layout.clientHeight = 140;
    return layout;
  }
};

void CALLBACK PressOkOfErrorBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND box = FindWindowW(L"#32770", L"Error")) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class Broadcast : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gui::Application::Instance().Initialize(); }
  void SetUp() override { received.clear(); }
  void TearDown() override { ProviderForms().clear(); }
  TsSkinManager manager;
};

TEST_F(Broadcast, FormsAndTheirControlsGetItByKindLoadingAndProvidedFormsDoNot) {
  WalkForm a(L"A"), loading(L"Loading"), provided(L"Provided");
  a.FinishLoading();
  provided.FinishLoading();
  provided.answersHandled = true;
  ProviderForms().push_back({provided.Handle(), &manager});
  SkinWindowsWin32 windows(a);
  windows.Broadcast(manager, TacEngineCommand::SkinChanged, {});
  // Provided answers the query for its own window, so through the list only.
  EXPECT_EQ(received, (Lines{L"A.A:1", L"A.Inner:1", L"A.Wrapped:1", L"A.Sprite:1", L"Provided.Provided:1"}));
  EXPECT_EQ(a.senders.front(), reinterpret_cast<LPARAM>(&manager)) << "the sending manager goes along";
  EXPECT_TRUE(loading.senders.empty());
}

TEST_F(Broadcast, ASectionChangeCarriesTheSectionName) {
  WalkForm a(L"A");
  a.FinishLoading();
  std::string seen;
  gui::MessageHandler previous = a.ReplaceMessageHandler([&](gui::Message& m) {
    if (m.msg == EngineCommandMessage && engine::CommandOf(m.wParam) == 13) {
      const auto* notice = reinterpret_cast<const engine::SectionNotice*>(m.lParam);
      seen = std::string(notice->section) + (notice->sender == &manager ? " from the manager" : "");
    }
    previous(m);
  });
  SkinWindowsWin32 windows(a);
  windows.Broadcast(manager, TacEngineCommand::SectionChanged, "BUTTON");
  EXPECT_EQ(seen, "BUTTON from the manager");
  a.ReplaceMessageHandler(previous);
}

TEST_F(Broadcast, FreezingTouchesOnlyVisibleProviderFormsOfTheSender) {
  WalkForm mine(L"Mine"), hidden(L"Hidden"), others(L"Others");
  for (WalkForm* form : {&mine, &hidden, &others}) form->FinishLoading();
  mine.Show();
  others.Show();
  TsSkinManager other;
  ProviderForms() = {{mine.Handle(), &manager}, {hidden.Handle(), &manager}, {others.Handle(), &other}};
  SkinWindowsWin32 windows(mine);
  windows.FreezeForms(manager);
  windows.UnfreezeForms(manager);
  EXPECT_EQ(mine.redraws, (std::vector<bool>{false, true}));
  EXPECT_TRUE(hidden.redraws.empty());
  EXPECT_TRUE(others.redraws.empty());
}

TEST_F(Broadcast, TheOwnersLoadingStateIsTheFormsAndErrorsAreModalBoxes) {
  WalkForm owner(L"Owner");
  SkinWindowsWin32 windows(owner);
  EXPECT_TRUE(windows.OwnerLoading());
  owner.FinishLoading();
  EXPECT_FALSE(windows.OwnerLoading());
  // The box waits for OK; press it from a timer of the box's own loop.
  SetTimer(nullptr, 0, 300, &PressOkOfErrorBox);
  const DWORD start = GetTickCount();
  windows.ShowError("Bad skin");
  EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
