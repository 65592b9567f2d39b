#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/data/sSkinManager.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/CbtHook.h"
#include "skin/win32/manager/EngineLists.h"
#include "skin/win32/manager/SkinFactories.h"

namespace {

using namespace wakespan;

// An attachment that tells when it is dropped.
struct Marker : SkinAttachment {
  explicit Marker(int* drops) : drops_(drops) {}
  ~Marker() override { ++*drops_; }
  int* drops_;
};

class HookForm : public gui::Form {
 public:
  HookForm(const wchar_t* className, gui::BorderStyle border) : gui::Form(Layout(className, border)) {
    FinishLoading();
  }

 private:
  static gui::FormLayout Layout(const wchar_t* className, gui::BorderStyle border) {
    gui::FormLayout layout{className, L"HookForm", L"Hook"};
    layout.border = border;
    layout.clientWidth = 120;
    layout.clientHeight = 60;
    return layout;
  }
};

class CbtHook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gui::Application::Instance().Initialize(); }
  void SetUp() override {
    SkinFactories& f = Factories();
    f.formProvider = [this](gui::Form& form, TsSkinManager&) {
      providers.push_back(form.Handle());
      return std::make_unique<Marker>(&drops);
    };
    f.menuWrapper = [this](HWND menu, TsSkinManager&, const char* section) {
      menus.push_back(menu);
      sections.push_back(section);
      return std::make_unique<Marker>(&drops);
    };
    f.dialogSkinner = [this](HWND dialog, TsSkinManager&) {
      dialogs.push_back(dialog);
      return std::make_unique<Marker>(&drops);
    };
  }
  void TearDown() override { Factories() = SkinFactories{}; }

  engine::HookSettings settings;
  TsSkinManager manager;
  std::unique_ptr<ThreadCbtHook> hook = std::make_unique<ThreadCbtHook>(manager, [this] { return settings; });
  std::vector<HWND> providers, menus, dialogs;
  std::vector<std::string> sections;
  int drops = 0;
};

HWND MakeDialog(DWORD style) {
  return CreateWindowExW(0, L"#32770", L"Dialog", style, 10, 10, 200, 120, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(CbtHook, FramedFormsAreChosenAtTheirFirstActivationBorderlessPopupsAndRefusingTagsNever) {
  ASSERT_TRUE(hook->Installed());
  HookForm framed(L"TFramedForm", gui::BorderStyle::Single);
  HookForm dialogFrame(L"TDialogFrameForm", gui::BorderStyle::Dialog);
  HookForm popup(L"TPopupForm", gui::BorderStyle::None);
  HookForm tagged(L"TTaggedForm", gui::BorderStyle::Dialog);
  tagged.Tag = -98;
  for (gui::Form* form : {static_cast<gui::Form*>(&framed), static_cast<gui::Form*>(&dialogFrame),
                          static_cast<gui::Form*>(&popup), static_cast<gui::Form*>(&tagged)})
    form->Show();
  EXPECT_EQ(providers, (std::vector<HWND>{framed.Handle(), dialogFrame.Handle()}));
  framed.Show();  // activated again: it has its provider already
  EXPECT_EQ(providers.size(), 2u);
  const HWND gone = framed.Handle();
  DestroyWindow(gone);
  EXPECT_EQ(drops, 1) << "the provider goes with its window";
  EXPECT_FALSE(HookList().Contains(gone));
}

TEST_F(CbtHook, WindowsThatAnswerTheHandledQueryOrRulesThatExcludeThemAreLeftAlone) {
  HookForm handled(L"THandledForm", gui::BorderStyle::Single);
  gui::MessageHandler previous = handled.ReplaceMessageHandler([&previous](gui::Message& m) {
    if (m.msg == EngineCommandMessage && engine::CommandOf(m.wParam) == engine::kHandledQuery) {
      m.result = 1;
      return;
    }
    previous(m);
  });
  handled.Show();
  settings.stdForms = false;
  HookForm plain(L"TPlainForm", gui::BorderStyle::Single);
  plain.Show();
  EXPECT_TRUE(providers.empty());
  handled.ReplaceMessageHandler(previous);
}

TEST_F(CbtHook, StandardDialogsAndPopupMenusOnCreation) {
  HWND first = MakeDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
  EXPECT_EQ(dialogs, std::vector<HWND>{first});
  // With one hooked dialog on screen, another is taken only when it hosts a tool bar.
  HWND plain = MakeDialog(WS_POPUP | WS_CAPTION);
  ShowWindow(plain, SW_SHOW);
  EXPECT_EQ(dialogs.size(), 1u);
  HWND withToolbar = MakeDialog(WS_POPUP | WS_CAPTION);
  CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD, 0, 0, 10, 10, withToolbar, nullptr, nullptr, nullptr);
  ShowWindow(withToolbar, SW_SHOW);
  EXPECT_EQ(dialogs, (std::vector<HWND>{first, withToolbar}));

  HWND menu = CreateWindowExW(WS_EX_TOOLWINDOW, MAKEINTATOM(0x8000), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menus, std::vector<HWND>{menu});
  EXPECT_EQ(sections, std::vector<std::string>{"MAINMENU"});
  for (HWND window : {first, plain, withToolbar, menu}) DestroyWindow(window);
  EXPECT_EQ(drops, 3);
  EXPECT_EQ(HookList().Count(), 0u);

  settings.skinnedPopups = false;
  settings.stdDialogs = false;
  HWND menu2 = CreateWindowExW(0, MAKEINTATOM(0x8000), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND dialog2 = MakeDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
  EXPECT_EQ(menus.size(), 1u);
  EXPECT_EQ(dialogs.size(), 2u);
  DestroyWindow(menu2);
  DestroyWindow(dialog2);
}

TEST_F(CbtHook, OneHookPerThreadAndNothingOnceItIsGone) {
  {
    ThreadCbtHook second(manager, [this] { return settings; });
    EXPECT_FALSE(second.Installed()) << "the thread has its hook already";
  }
  HookForm before(L"TBeforeForm", gui::BorderStyle::Single);
  before.Show();
  EXPECT_EQ(providers.size(), 1u) << "the first hook still works after the refused second one ended";
  hook.reset();
  HookForm after(L"TAfterForm", gui::BorderStyle::Single);
  after.Show();
  EXPECT_EQ(providers.size(), 1u);
  hook = std::make_unique<ThreadCbtHook>(manager, [this] { return settings; });
  EXPECT_TRUE(hook->Installed()) << "installed again after the previous one was removed";
}

}  // namespace
