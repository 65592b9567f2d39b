#include <gtest/gtest.h>

#include "skin/engine/AppWindowRules.h"
#include "skin/engine/EngineCommands.h"
#include "skin/engine/StartupRules.h"

namespace {

using namespace wakespan::engine;

TEST(EngineStartup, VersionArgumentInAnyLetterCaseExactlyOnce) {
  EXPECT_TRUE(AsksForVersion({L"/acver"}));
  EXPECT_TRUE(AsksForVersion({L"/ACVER", L"/acver"}));
  EXPECT_TRUE(AsksForVersion({L"x", L"/AcVeR"}));
  EXPECT_FALSE(AsksForVersion({}));
  EXPECT_FALSE(AsksForVersion({L"acver", L"/acver ", L"/acve", L"-acver", L"/acverx", L"\\acver"}));
  EXPECT_TRUE(IsNtFamily(2));
  EXPECT_FALSE(IsNtFamily(1));
  EXPECT_FALSE(IsNtFamily(0));
}

TEST(EngineStartup, CommandsTravelInTheHighWord) {
  EXPECT_EQ(CommandWParam(kHandledQuery), 0x70000u);
  EXPECT_EQ(CommandOf(CommandWParam(wakespan::TacEngineCommand::MouseLeave) | 0x1234), 30);
  EXPECT_EQ(CommandOf(uintptr_t(0xFFFF0000u)), 0xFFFF);
}

TEST(EngineAppWindow, SystemCommandsAreRememberedThemeChangeSwallowedNoticesActedOn) {
  auto decide = [](uint32_t msg, uintptr_t w = 0) { return DecideAppWindowMessage(msg, w, true); };
  EXPECT_EQ(decide(0x0112, 0xF020).action, AppWindowAction::RememberShow);
  EXPECT_EQ(decide(0x0112, 0xF020).showState, ShowState::Minimize);
  EXPECT_EQ(decide(0x0112, 0xF122).showState, ShowState::Restore);  // low bits are the system's
  EXPECT_EQ(decide(0x0112, 0xF030).showState, ShowState::Ignore);   // maximise
  EXPECT_EQ(decide(0x0112, 0xF060).showState, ShowState::Ignore);   // close
  EXPECT_EQ(decide(0x031A).action, AppWindowAction::Swallow);
  EXPECT_EQ(decide(0xB000).action, AppWindowAction::NotifyForms);
  EXPECT_EQ(decide(0xBCB3).action, AppWindowAction::DrawMenuBorder);
  EXPECT_EQ(decide(0xBCB4).action, AppWindowAction::DrawMenuBorder);
  for (uint32_t other : {0x0000u, 0x0113u, 0xBCB2u, 0xBCB5u, 0xB001u, 0xA100u})
    EXPECT_EQ(decide(other).action, AppWindowAction::PassOn) << other;
}

TEST(EngineAppWindow, NothingIsTouchedWhilePopupsAreNotSkinned) {
  for (uint32_t msg : {0x0112u, 0x031Au, 0xB000u, 0xBCB3u})
    EXPECT_EQ(DecideAppWindowMessage(msg, 0xF020, false).action, AppWindowAction::PassOn);
}

}  // namespace
