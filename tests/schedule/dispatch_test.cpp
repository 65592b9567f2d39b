#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/MemoryRegistry.h"
#include "platform/RecordingPower.h"
#include "platform/Registry.h"
#include "schedule/ClockTexts.h"
#include "schedule/Dispatch.h"
#include "schedule/PowerActions.h"

namespace {

using namespace schedule;
using platform::MemoryRegistry;
using platform::RootKey;
using platform::Text;
using platform::ValueType;
using Log = std::vector<std::string>;

// The windows: records what the dispatch asks of them. ShutDown goes to real
// power actions on the recording stand-in, so start-up failures of the
// do-nothing action show as they would in the program.
class FakeWindows : public DispatchTarget, public ActionSink {
 public:
  bool CountdownWindowExists() override { return countdownWindowExists; }
  void StartCountdown(ActionCode action) override { log.push_back("StartCountdown(" + std::to_string(action) + ")"); }
  bool ShutDown(ActionCode action) override {
    log.push_back("ShutDown(" + std::to_string(action) + ")");
    if (shutDownThrows) throw std::runtime_error("broken");
    return actions.ShutDown(action);
  }
  void ShowInformation(const Text& text) override { log.push_back("Information: " + platform::ToUtf8(text)); }
  void ShowError(const Text& text) override { log.push_back("Error: " + platform::ToUtf8(text)); }

  void Terminate() override { log.push_back("Terminate"); }
  void CancelCountdown() override { log.push_back("CancelCountdown"); }
  void ShowBalloon(const Balloon&) override { log.push_back("ShowBalloon"); }

  Log log;
  bool countdownWindowExists = true;
  bool shutDownThrows = false;
  platform::RecordingPower power;
  PowerActions actions{power, *this};
};

class DispatchTest : public ::testing::Test {
 protected:
  void StoreDword(const Text& name, uint32_t value) {
    registry.Put(RootKey::LocalMachine, kSettingsKey, name, ValueType::Dword,
                 {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)});
  }
  void StoreText(const Text& name, const Text& value) {
    std::vector<uint8_t> bytes;
    for (char16_t unit : value + u'\0') bytes.insert(bytes.end(), {uint8_t(unit), uint8_t(unit >> 8)});
    registry.Put(RootKey::LocalMachine, kSettingsKey, name, ValueType::String, bytes);
  }
  void Store(bool armed, bool countDown, ActionCode action) {
    StoreDword(u"SetActTime", armed);
    StoreDword(u"CountDown", countDown);
    StoreDword(kActionValue, uint32_t(action));
  }
  void Delete(const Text& name) {
    platform::RegistrySession session(registry, RootKey::LocalMachine);
    session.OpenKey(kSettingsKey);
    session.DeleteValue(name);
  }
  // One local-time check at this moment against this ActionTime text.
  void CheckLocalTime(const Text& actionTime) {
    CheckTrigger(actionTime, LocalTimeText(clock.Now()), registry, windows);
  }
  std::string ArmingError(const Text& actionTime) {
    try {
      CheckLocalTime(actionTime);
    } catch (const platform::RegistryError& error) {
      return error.what();
    }
    return "no error";
  }

  MemoryRegistry registry;
  FakeWindows windows;
  platform::ManualClock clock;
};

TEST_F(DispatchTest, OnlyAnExactMatchOfTheClockTextFires) {
  Store(true, false, kActionClose);
  clock.now = {9, 5, 0};
  for (const Text& text : {Text(u"09:05:00"), Text(u"9:05:0"), Text(u" 9:5:0"), Text(u"9:5:0 "), Text(u""),
                           Text(u"9:5:00"), Text(u"9:5:1")})
    CheckLocalTime(text);
  EXPECT_TRUE(windows.log.empty());
  CheckLocalTime(u"9:5:0");
  EXPECT_EQ(windows.log, (Log{"ShutDown(3)", "Terminate"}));
}

TEST_F(DispatchTest, TheRunningTimeTriggerComparesWithTheRunningTimeText) {
  Store(true, false, kActionClose);
  const Text runningTime = RunningTimeText(5400000);  // one and a half hours
  CheckTrigger(u"1:30:00", runningTime, registry, windows);
  EXPECT_TRUE(windows.log.empty());
  CheckTrigger(u"01:30:00", runningTime, registry, windows);
  EXPECT_EQ(windows.log, (Log{"ShutDown(3)", "Terminate"}));
}

TEST_F(DispatchTest, BothTicksOfAMatchingSecondDispatch) {
  clock.now = {23, 0, 0};
  Store(true, true, kActionReboot);
  CheckLocalTime(u"23:0:0");
  CheckLocalTime(u"23:0:0");
  EXPECT_EQ(windows.log, (Log{"StartCountdown(1)", "StartCountdown(1)"}));

  windows.log.clear();
  Store(true, false, kActionNothing);
  CheckLocalTime(u"23:0:0");
  CheckLocalTime(u"23:0:0");
  EXPECT_EQ(windows.log, (Log{"ShutDown(4)", "CancelCountdown", "ShowBalloon", "ShutDown(4)", "CancelCountdown",
                              "ShowBalloon"}));
}

TEST_F(DispatchTest, TheStoredSwitchesDecideAtEveryMatch) {
  clock.now = {12, 0, 0};
  Store(false, true, kActionShutDown);
  CheckLocalTime(u"12:0:0");
  EXPECT_TRUE(windows.log.empty()) << "a clear arming switch does nothing";

  Store(true, true, 9);
  CheckLocalTime(u"12:0:0");
  Store(true, false, 9);
  CheckLocalTime(u"12:0:0");
  EXPECT_EQ(windows.log, (Log{"StartCountdown(9)", "ShutDown(9)"}));
  EXPECT_EQ(windows.power.log.back(), "ExitWindowsEx(5, 0)");
}

TEST_F(DispatchTest, AnUnreadableArmingSwitchEscapesToTheErrorReportWithoutDispatch) {
  clock.now = {1, 2, 3};
  EXPECT_EQ(ArmingError(u"1:2:3"), "Failed to get data for 'SetActTime'") << "no key";
  Store(true, false, kActionShutDown);
  Delete(u"SetActTime");
  EXPECT_EQ(ArmingError(u"1:2:3"), "Failed to get data for 'SetActTime'") << "no value";
  StoreText(u"SetActTime", u"1");
  EXPECT_EQ(ArmingError(u"1:2:3"), "Invalid data type for 'SetActTime'");
  StoreText(u"SetActTime", u"yes");
  EXPECT_EQ(ArmingError(u"1:2:3"), "Failed to get data for 'SetActTime'") << "longer than a DWORD";
  EXPECT_TRUE(windows.log.empty());
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(DispatchTest, AnUnreadableDispatchSettingShutsDownAtOnce) {
  clock.now = {1, 2, 3};
  const Text broken[] = {u"CountDown", kActionValue};
  for (const Text& name : broken) {
    for (bool wrongType : {false, true}) {
      Store(true, true, kActionNothing);
      if (wrongType)
        StoreText(name, u"1");
      else
        Delete(name);
      windows.log.clear();
      windows.power.log.clear();
      CheckLocalTime(u"1:2:3");
      EXPECT_EQ(windows.log, (Log{"ShutDown(0)"})) << platform::ToUtf8(name) << wrongType;
      EXPECT_EQ(windows.power.log, (Log{"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}));
    }
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(DispatchTest, AFailedActionIsReportedAndTheDispatchStillSucceeds) {
  windows.power.exitWindowsFails = true;
  Store(true, false, kActionLogOff);
  EXPECT_TRUE(ExecuteThisAction(registry, windows));
  EXPECT_EQ(windows.log, (Log{"ShutDown(2)", "Information: Could not execute Action"}));

  windows.log.clear();
  Delete(kActionValue);
  EXPECT_TRUE(ExecuteThisAction(registry, windows));
  EXPECT_EQ(windows.log, (Log{"ShutDown(0)", "Information: Could not execute Action"}));
}

TEST_F(DispatchTest, AnErrorInsideTheDispatchIsReportedByTheCheck) {
  Store(true, false, kActionShutDown);
  windows.shutDownThrows = true;
  EXPECT_FALSE(ExecuteThisAction(registry, windows));
  windows.log.clear();
  CheckTrigger(u"00:00:01", u"00:00:01", registry, windows);
  EXPECT_EQ(windows.log, (Log{"ShutDown(0)", "Error: There was an error executing Action"}));
}

TEST_F(DispatchTest, AtStartUpOnlyWhatNeedsTheCountdownWindowFails) {
  windows.countdownWindowExists = false;
  const Text runningTime = RunningTimeText(0);

  Store(true, true, kActionReboot);
  CheckTrigger(runningTime, runningTime, registry, windows);
  EXPECT_EQ(windows.log, (Log{"Error: There was an error executing Action"})) << "no countdown started";

  windows.log.clear();
  Store(true, false, kActionNothing);
  CheckTrigger(runningTime, runningTime, registry, windows);
  EXPECT_EQ(windows.log, (Log{"ShutDown(4)", "Error: There was an error executing Action"}));

  for (ActionCode action : {0, 1, 2, 3, 5}) {
    windows.log.clear();
    Store(true, false, action);
    CheckTrigger(runningTime, runningTime, registry, windows);
    EXPECT_EQ(windows.log.front(), "ShutDown(" + std::to_string(action) + ")");
    EXPECT_NE(windows.log.back(), "Error: There was an error executing Action") << action;
  }
}

TEST_F(DispatchTest, HugeAndOddTriggerTextsNeverMatchNorReadTheStore) {
  // The store is empty: reaching the arming switch would raise.
  clock.now = {9, 5, 0};
  const Text odd[] = {
      Text(100000, u'9'),
      Text(100000, u' '),
      u"9:5:0" + Text(100000, u'\0'),
      Text(u"9:5:0\0", 6),
      u"\u0669:\u0665:\u0660",  // Arabic-Indic digits
      u"\uFF19:\uFF15:\uFF10",  // full-width digits
      u"\xD83D\xDE00",          // a surrogate pair
      u"\xD800",                // a lone surrogate
      u"\t9:5:0\r\n",
  };
  for (const Text& text : odd) {
    EXPECT_NO_THROW(CheckLocalTime(text));
    EXPECT_NO_THROW(CheckTrigger(text, RunningTimeText(4294967295u), registry, windows));
  }
  EXPECT_TRUE(windows.log.empty());
}

}  // namespace
