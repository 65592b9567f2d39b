#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/RecordingPower.h"
#include "schedule/Countdown.h"
#include "schedule/PowerActions.h"

namespace {

using namespace schedule;
using platform::Text;
using Log = std::vector<std::string>;

// The countdown window: records every call and, like the real window, hides
// on a close request only when the countdown permits it.
class FakeCountdownWindow : public CountdownView {
 public:
  void SetLabel(const Text& text) override {
    label = text;
    log.push_back("Label: " + platform::ToUtf8(text));
  }
  void SetBarMaximum(int maximum) override { log.push_back("Maximum " + std::to_string(maximum)); }
  void SetBarPosition(int position) override {
    bar = position;
    log.push_back("Position " + std::to_string(position));
  }
  void EnableTimer() override {
    timer = true;
    log.push_back("EnableTimer");
  }
  void DisableTimer() override {
    timer = false;
    log.push_back("DisableTimer");
  }
  void ShowCentredOnTop() override {
    visible = true;
    log.push_back("ShowCentredOnTop");
  }
  void Close() override {
    log.push_back("Close");
    if (countdown->CloseQuery()) visible = false;
  }
  bool RunAction(ActionCode action) override {
    log.push_back("RunAction(" + std::to_string(action) + ")");
    return onRunAction ? onRunAction(action) : actionSucceeds;
  }
  void ShowInformation(const Text& text) override { log.push_back("Information: " + platform::ToUtf8(text)); }

  Countdown* countdown = nullptr;
  std::function<bool(ActionCode)> onRunAction;
  bool actionSucceeds = true;
  Log log;
  Text label;
  int bar = 0;
  bool timer = false;
  bool visible = false;
};

class CountdownTest : public ::testing::Test {
 protected:
  CountdownTest() { window.countdown = &countdown; }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) countdown.Tick();
  }

  FakeCountdownWindow window;
  Countdown countdown{window};
};

TEST(CountdownLabels, PrefixByActionCodeUnknownAsShutDown) {
  EXPECT_EQ(CountdownLabel(0, 10), u"Shutting Down in: 10 Seconds");
  EXPECT_EQ(CountdownLabel(1, 7), u"Rebooting in: 7 Seconds");
  EXPECT_EQ(CountdownLabel(1, 1), u"Rebooting in: 1 Seconds");
  EXPECT_EQ(CountdownLabel(2, 3), u"Logging off in: 3 Seconds");
  EXPECT_EQ(CountdownLabel(3, 0), u"Closing Application in: 0 Seconds");
  EXPECT_EQ(CountdownLabel(4, 5), u"No Action to do in: 5 Seconds");
  EXPECT_EQ(CountdownLabel(5, 2), u"Hibernate in: 2 Seconds");
  for (ActionCode odd : {-1, 6, 9, INT32_MIN, INT32_MAX}) EXPECT_EQ(CountdownLabelPrefix(odd), u"Shutting Down in: ");
}

TEST_F(CountdownTest, StartResetsTheBarStartsTheTimerAndShowsTheWindow) {
  countdown.Start(kActionReboot);
  EXPECT_EQ(window.log, (Log{"Position 0", "EnableTimer", "ShowCentredOnTop"}));
  EXPECT_EQ(countdown.Counter(), -1);
  EXPECT_EQ(countdown.Action(), kActionReboot);
}

TEST_F(CountdownTest, TenTicksCountDownAndTheEleventhRunsTheAction) {
  countdown.Start(kActionReboot);
  for (int tick = 1; tick <= 10; ++tick) {
    window.log.clear();
    countdown.Tick();
    EXPECT_EQ(window.log, (Log{"Maximum 10", "Position " + std::to_string(tick),
                               "Label: Rebooting in: " + std::to_string(11 - tick) + " Seconds"}))
        << tick;
    EXPECT_TRUE(window.visible);
  }
  window.log.clear();
  countdown.Tick();
  EXPECT_EQ(window.log, (Log{"Maximum 10", "Position 11", "Label: Rebooting in: 0 Seconds", "DisableTimer", "Label: ",
                             "RunAction(1)", "Close"}));
  EXPECT_FALSE(window.visible);
  EXPECT_TRUE(countdown.CloseQuery());
}

TEST_F(CountdownTest, AFailedActionIsReportedBeforeTheWindowCloses) {
  window.actionSucceeds = false;
  countdown.Start(9);
  Ticks(11);
  const Log tail(window.log.end() - 3, window.log.end());
  EXPECT_EQ(tail, (Log{"RunAction(9)", "Information: Could not execute Action", "Close"}));
  EXPECT_FALSE(window.visible);
  EXPECT_FALSE(window.timer) << "the countdown does not repeat";
}

TEST_F(CountdownTest, CancelStopsWithoutActingAndKeepsCounterAndAction) {
  countdown.Start(kActionLogOff);
  Ticks(4);
  window.log.clear();
  countdown.Cancel();
  EXPECT_EQ(window.log, (Log{"DisableTimer", "Label: ", "Close"}));
  EXPECT_FALSE(window.visible);
  EXPECT_EQ(countdown.Counter(), 3);
  EXPECT_EQ(countdown.Action(), kActionLogOff);

  // The next countdown starts with an empty label and an empty bar.
  countdown.Start(kActionShutDown);
  EXPECT_EQ(window.label, u"");
  EXPECT_EQ(window.bar, 0);
}

TEST_F(CountdownTest, ARestartBeginsAgainWithTheNewActionAndKeepsTheLabelUntilTheTick) {
  countdown.Start(kActionReboot);
  Ticks(6);
  countdown.Start(kActionHibernate);
  EXPECT_EQ(window.label, u"Rebooting in: 5 Seconds");
  EXPECT_EQ(window.bar, 0);
  countdown.Tick();
  EXPECT_EQ(window.label, u"Hibernate in: 10 Seconds");
  EXPECT_EQ(window.bar, 1);
  Ticks(10);
  EXPECT_EQ(window.log.end()[-2], "RunAction(5)");
}

TEST_F(CountdownTest, ClosePermissionIsRefusedUntilTheFirstEndThenKeptForever) {
  EXPECT_FALSE(countdown.CloseQuery());
  countdown.Start(kActionShutDown);
  window.Close();
  EXPECT_TRUE(window.visible) << "refused during the first countdown";
  Ticks(5);
  EXPECT_FALSE(countdown.CloseQuery());
  countdown.Cancel();
  EXPECT_TRUE(countdown.CloseQuery());

  // A later countdown may be closed; it goes on counting and still acts.
  countdown.Start(kActionShutDown);
  EXPECT_TRUE(countdown.CloseQuery());
  window.Close();
  EXPECT_FALSE(window.visible);
  Ticks(11);
  EXPECT_EQ(window.log.end()[-2], "RunAction(0)");
  EXPECT_TRUE(countdown.CloseQuery());
}

TEST_F(CountdownTest, DoNothingAtTheEndCancelsItselfAndShowsTheBalloon) {
  // The do-nothing action runs Cancel from inside the last tick.
  struct Sink : ActionSink {
    explicit Sink(Countdown& countdown) : countdown_(countdown) {}
    void Terminate() override {}
    bool CountdownWindowExists() override { return true; }
    void CancelCountdown() override { countdown_.Cancel(); }
    void ShowBalloon(const Balloon& balloon) override { shown = balloon.text; }
    Countdown& countdown_;
    Text shown;
  } sink(countdown);
  platform::RecordingPower power;
  PowerActions actions(power, sink);
  window.onRunAction = [&](ActionCode action) { return actions.ShutDown(action); };

  countdown.Start(kActionNothing);
  Ticks(10);
  window.log.clear();
  countdown.Tick();
  EXPECT_EQ(window.log, (Log{"Maximum 10", "Position 11", "Label: No Action to do in: 0 Seconds", "DisableTimer",
                             "Label: ", "RunAction(4)", "DisableTimer", "Label: ", "Close", "Close"}));
  EXPECT_EQ(sink.shown, u"No Action to do...");
  EXPECT_FALSE(window.visible);
  EXPECT_FALSE(window.timer);
}

}  // namespace
