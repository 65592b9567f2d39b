#include <gtest/gtest.h>

#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/data/acSkinWindows.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/AppWindowHook.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/manager/SkinFactories.h"

namespace {

using namespace wakespan;
using engine::ShowState;

// Stands below the hook in the application window's chain and keeps the
// test's messages from the system's handling.
class Below : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gui::Application::Instance().Initialize(); }
  void SetUp() override {
    previous = gui::Application::Instance().ReplaceMessageHandler([this](gui::Message& m) {
      if (m.msg == WM_SYSCOMMAND || m.msg == 0x031A || m.msg == 0xB000 || m.msg == 0xBCB3 || m.msg == 0xBCB4) {
        reached.push_back(m.msg);
        return;
      }
      previous(m);
    });
  }
  void TearDown() override { gui::Application::Instance().ReplaceMessageHandler(previous); }
  LRESULT Send(UINT msg, WPARAM wParam = 0) {
    return SendMessageW(gui::Application::Instance().Handle(), msg, wParam, 0);
  }

  gui::MessageHandler previous;
  std::vector<UINT> reached;
  bool popups = true;
};

class NoticeForm : public gui::Form {
 public:
  NoticeForm() : gui::Form(gui::FormLayout{L"TNoticeForm", L"NoticeForm", L"Notice"}) {
    previous_ = ReplaceMessageHandler([this](gui::Message& m) {
      if (m.msg == EngineCommandMessage) commands.push_back({engine::CommandOf(m.wParam), m.lParam});
      previous_(m);
    });
  }
  std::vector<std::pair<uint16_t, LPARAM>> commands;

 private:
  gui::MessageHandler previous_;
};

TEST_F(Below, SystemCommandsAreRememberedAndPassedOnTheThemeNoticeIsSwallowed) {
  AppWindowHook hook([this] { return popups; }, 0);
  EXPECT_EQ(hook.ShowState(), ShowState::Ignore);
  Send(WM_SYSCOMMAND, SC_MINIMIZE);
  EXPECT_EQ(hook.ShowState(), ShowState::Minimize);
  Send(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_EQ(hook.ShowState(), ShowState::Restore);
  Send(WM_SYSCOMMAND, SC_MAXIMIZE);
  EXPECT_EQ(hook.ShowState(), ShowState::Ignore);
  Send(0x031A);
  EXPECT_EQ(reached, (std::vector<UINT>{WM_SYSCOMMAND, WM_SYSCOMMAND, WM_SYSCOMMAND}));

  popups = false;
  Send(WM_SYSCOMMAND, SC_MINIMIZE);
  Send(0x031A);
  EXPECT_EQ(hook.ShowState(), ShowState::Ignore) << "the hook rests while popups are not skinned";
  EXPECT_EQ(reached.size(), 5u);
}

TEST_F(Below, PrivateNoticesReachEveryFormAndTheMenuSkinner) {
  int sender = 0;
  AppWindowHook hook([this] { return popups; }, reinterpret_cast<LPARAM>(&sender));
  NoticeForm first, second;
  std::vector<UINT> borders;
  Factories().drawMenuBorder = [&](UINT msg, WPARAM, LPARAM) { borders.push_back(msg); };
  Send(0xB000);
  Send(0xBCB3);
  Send(0xBCB4);
  Factories() = SkinFactories{};
  const std::vector<std::pair<uint16_t, LPARAM>> notice{{18, reinterpret_cast<LPARAM>(&sender)}};
  EXPECT_EQ(first.commands, notice);
  EXPECT_EQ(second.commands, notice);
  EXPECT_EQ(borders, (std::vector<UINT>{0xBCB3, 0xBCB4}));
  EXPECT_EQ(reached, (std::vector<UINT>{0xB000, 0xBCB3, 0xBCB4})) << "and each goes on below";
}

TEST_F(Below, RemovingTheHookPutsThePreviousHandlerBack) {
  { AppWindowHook hook([this] { return popups; }, 0); }
  Send(0x031A);
  EXPECT_EQ(reached, std::vector<UINT>{0x031A}) << "no longer swallowed";
}

TEST(EngineStartup, RunsOnceAndKnowsTheSystemFamily) {
  StartEngine();
  StartEngine();
  EXPECT_TRUE(Engine().ntFamily);
  // This test program carries no shadow resources: they are simply empty.
  EXPECT_TRUE(Engine().activeShadow.IsEmpty());
  EXPECT_TRUE(LoadPngResource(L"NO_SUCH_RESOURCE").IsEmpty());
}

}  // namespace
