#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/RecordingPower.h"
#include "schedule/PowerActions.h"

namespace {

using namespace schedule;
using Log = std::vector<std::string>;

// Writes the window-side calls into the power stand-in's log, so one log
// shows the order of everything ShutDown does.
class RecordingSink : public ActionSink {
 public:
  explicit RecordingSink(Log& log) : log_(log) {}
  void Terminate() override { log_.push_back("Terminate"); }
  bool CountdownWindowExists() override { return countdownWindowExists; }
  void CancelCountdown() override { log_.push_back("CancelCountdown"); }
  void ShowBalloon(const Balloon& balloon) override {
    log_.push_back("ShowBalloon(" + platform::ToUtf8(balloon.title) + ", " + platform::ToUtf8(balloon.text) + ", " +
                   std::to_string(balloon.timeoutMs) + ")");
  }
  bool countdownWindowExists = true;

 private:
  Log& log_;
};

class PowerActionsTest : public ::testing::Test {
 protected:
  platform::RecordingPower power;
  RecordingSink sink{power.log};
  PowerActions actions{power, sink};

  // Runs one action on a fresh log and returns its result.
  bool Run(ActionCode action) {
    power.log.clear();
    return actions.ShutDown(action);
  }
};

TEST_F(PowerActionsTest, EveryCodeRunsThePrivilegeStepThenItsAction) {
  const struct {
    ActionCode action;
    Log calls;
  } table[] = {
      {0, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
      {1, {"EnableShutdownPrivilege", "ExitWindowsEx(6, 0)"}},
      {2, {"EnableShutdownPrivilege", "ExitWindowsEx(4, 0)"}},
      {3, {"EnableShutdownPrivilege", "Terminate"}},
      {4, {"EnableShutdownPrivilege", "CancelCountdown", "ShowBalloon(ExecuteAction, No Action to do..., 3000)"}},
      {5, {"EnableShutdownPrivilege", "FindSetSuspendState", "SetSuspendState(1, 0, 0)"}},
      // Unknown codes shut down like 0.
      {-1, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
      {6, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
      {7, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
      {INT_MIN, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
      {INT_MAX, {"EnableShutdownPrivilege", "ExitWindowsEx(5, 0)"}},
  };
  for (const auto& row : table) {
    PowerActions fresh(power, sink);  // a fresh hibernate lookup for code 5
    power.log.clear();
    EXPECT_TRUE(fresh.ShutDown(row.action)) << row.action;
    EXPECT_EQ(power.log, row.calls) << row.action;
  }
}

TEST_F(PowerActionsTest, AFailedPrivilegeStepDoesNotStopTheAction) {
  power.privilegeFails = true;
  for (ActionCode action : {0, 1, 2, 3, 4, 5, 9}) {
    EXPECT_TRUE(Run(action)) << action;
    ASSERT_GE(power.log.size(), 2u);
    EXPECT_EQ(power.log[0], "EnableShutdownPrivilege");
  }
}

TEST_F(PowerActionsTest, AFailedSessionEndIsReportedAndOnlyThen) {
  power.exitWindowsFails = true;
  for (ActionCode action : {0, 1, 2, 9, -5}) EXPECT_FALSE(Run(action)) << action;
  // The other actions do not end the session, so they still succeed.
  for (ActionCode action : {3, 4, 5}) EXPECT_TRUE(Run(action)) << action;
}

TEST_F(PowerActionsTest, HibernateLooksUpAgainUntilFoundThenKeepsIt) {
  power.setSuspendStateMissing = true;
  EXPECT_FALSE(Run(kActionHibernate));
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege", "FindSetSuspendState"}));
  EXPECT_FALSE(Run(kActionHibernate));
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege", "FindSetSuspendState"}));

  power.setSuspendStateMissing = false;
  EXPECT_TRUE(Run(kActionHibernate));
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege", "FindSetSuspendState", "SetSuspendState(1, 0, 0)"}));
  EXPECT_TRUE(Run(kActionHibernate));
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege", "SetSuspendState(1, 0, 0)"}));
}

TEST_F(PowerActionsTest, HibernateThatFailsToStartIsReportedButStaysFound) {
  power.setSuspendStateFails = true;
  EXPECT_FALSE(Run(kActionHibernate));
  EXPECT_FALSE(Run(kActionHibernate));
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege", "SetSuspendState(1, 0, 0)"}));
}

TEST_F(PowerActionsTest, DoNothingBeforeTheCountdownWindowExistsRaises) {
  sink.countdownWindowExists = false;
  power.log.clear();
  EXPECT_THROW(actions.ShutDown(kActionNothing), ActionError);
  // Nothing of the action ran: no cancel, no balloon.
  EXPECT_EQ(power.log, (Log{"EnableShutdownPrivilege"}));
  // The other codes do not need the window.
  for (ActionCode action : {0, 1, 2, 3, 5}) EXPECT_TRUE(Run(action)) << action;
}

}  // namespace
