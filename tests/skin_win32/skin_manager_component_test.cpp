#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/manager/SkinFactories.h"
#include "skin/win32/manager/SkinManagerComponent.h"
#include "tests/skin_win32/wine_test_support.h"

namespace {

using namespace wakespan;

class ManagedForm : public gui::Form {
 public:
  explicit ManagedForm(const TsStoredManagerProperties& stored)
      : gui::Form(gui::FormLayout{L"TManagedForm", L"ManagedForm", L"Managed"}) {
    previous_ = ReplaceMessageHandler([this](gui::Message& m) {
      if (m.msg == EngineCommandMessage && engine::CommandOf(m.wParam) != engine::kHandledQuery)
        commands.push_back(engine::CommandOf(m.wParam));
      previous_(m);
    });
    skin = Make<SkinManagerComponent>(L"sSkinManager1", stored);
  }
  SkinManagerComponent* skin;
  std::vector<uint16_t> commands;

 private:
  gui::MessageHandler previous_;
};

TsStoredManagerProperties DirectorySkin(const std::string& name) {
  TsStoredManagerProperties stored;
  stored.SkinDirectory = wine_test::SourceSkinDirectory();
  stored.SkinName = name;
  return stored;
}

class SkinManagerOnAForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gui::Application::Instance().Initialize();
    StartEngine();
  }
};

TEST_F(SkinManagerOnAForm, TheSkinLoadsWhileTheFormLoadsAndReachesTheWindowsOnlyAfterwards) {
  int providers = 0;
  Factories().formProvider = [&](gui::Form&, TsSkinManager&) {
    ++providers;
    return AttachmentPtr{};
  };
  {
    ManagedForm form(DirectorySkin("WMP11"));
    TsSkinManager& manager = form.skin->Manager();
    EXPECT_TRUE(manager.IsDefault());
    EXPECT_TRUE(manager.SkinData.Active) << "loaded while the form loads";
    EXPECT_FALSE(form.skin->Windows().HookInstalled());
    EXPECT_TRUE(form.commands.empty()) << "nothing is broadcast before the form has loaded";
    ASSERT_NE(form.skin->MainWindowHook(), nullptr) << "the default manager hooks the application window";

    form.FinishLoading();
    EXPECT_EQ(form.commands, std::vector<uint16_t>{1}) << "the skin is applied without a repaint";
    EXPECT_TRUE(form.skin->Windows().HookInstalled());
    EXPECT_EQ(manager.SkinInfo(), "6.4");
    form.Show();
    EXPECT_EQ(providers, 1) << "the hook chooses the form at its first activation";

    manager.SetActive(false);
    EXPECT_EQ(form.commands, (std::vector<uint16_t>{1, 2}));
    EXPECT_FALSE(form.skin->Windows().HookInstalled()) << "the hook goes with the skin";
    manager.SetActive(true);
    EXPECT_TRUE(form.skin->Windows().HookInstalled());
    EXPECT_EQ(form.commands.size(), 5u) << "applied again: skin, before-repaint and repaint";
  }
  Factories() = SkinFactories{};
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

TEST_F(SkinManagerOnAForm, NoSkinAnywhereLeavesTheManagerInactiveAndTheWindowsAlone) {
  ManagedForm form(DirectorySkin("No such skin"));
  form.FinishLoading();
  EXPECT_FALSE(form.skin->Manager().SkinData.Active);
  EXPECT_EQ(form.skin->Manager().SkinInfo(), "N/A");
  EXPECT_FALSE(form.skin->Windows().HookInstalled());
}

}  // namespace
