#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/MemoryRegistry.h"
#include "platform/Registry.h"
#include "schedule/SettingsStore.h"

namespace {

using namespace schedule;
using platform::MemoryRegistry;
using platform::RootKey;
using platform::Text;
using platform::ValueType;

// Behaves like the settings window: every change runs the change handler,
// which enables Apply and sets the edits' enabled state from SetActTime.
class FakeSettingsWindow : public SettingsControls {
 public:
  std::array<bool, 4> checks{};
  Text localTime, runningTime;
  std::array<bool, kActionCount> radios{true, false, false, false, false, false};
  bool editsEnabled = false;
  bool applyEnabled = false;
  std::vector<std::string> calls;

  bool IsChecked(Flag flag) const override { return checks[int(flag)]; }
  void SetChecked(Flag flag, bool checked) override {
    if (checks[int(flag)] == checked) return;
    checks[int(flag)] = checked;
    Changed();
  }
  Text TriggerText(Trigger trigger) const override { return trigger == Trigger::LocalTime ? localTime : runningTime; }
  void SetTriggerText(Trigger trigger, const Text& text) override {
    Text& target = trigger == Trigger::LocalTime ? localTime : runningTime;
    if (target == text) return;
    target = text;
    Changed();
  }
  void SetTriggerEditsEnabled(bool enabled) override { editsEnabled = enabled; }
  std::optional<ActionCode> CheckedAction() const override {
    for (int i = 0; i < kActionCount; ++i)
      if (radios[i]) return i;
    return std::nullopt;
  }
  void SelectAction(ActionCode code) override {
    if (radios[code]) return;
    radios.fill(false);
    radios[code] = true;
    Changed();
  }
  void DisableApply() override { applyEnabled = false; }

 private:
  void Changed() {
    applyEnabled = true;
    editsEnabled = checks[int(Flag::SetActTime)];
  }
};

const Text kExe = u"C:\\Program Files\\Wakespan\\Wakespan.exe";

std::vector<uint8_t> Dword(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
std::vector<uint8_t> Sz(const Text& t) {
  std::vector<uint8_t> b;
  for (char16_t c : t) b.insert(b.end(), {uint8_t(c), uint8_t(c >> 8)});
  b.insert(b.end(), {0, 0});
  return b;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  FakeSettingsWindow window;

  void PutSetting(const Text& name, ValueType type, std::vector<uint8_t> data) {
    registry.Put(RootKey::LocalMachine, kSettingsKey, name, type, std::move(data));
  }
  void StoreAll(uint32_t run, uint32_t countDown, uint32_t protect, uint32_t setAct, const Text& at, const Text& aw,
                uint32_t action) {
    PutSetting(u"RunAtStartUp", ValueType::Dword, Dword(run));
    PutSetting(u"CountDown", ValueType::Dword, Dword(countDown));
    PutSetting(u"Protect", ValueType::Dword, Dword(protect));
    PutSetting(u"SetActTime", ValueType::Dword, Dword(setAct));
    PutSetting(u"ActionTime", ValueType::String, Sz(at));
    PutSetting(u"ActionWakespan", ValueType::String, Sz(aw));
    PutSetting(u"Action", ValueType::Dword, Dword(action));
  }
  std::optional<MemoryRegistry::Value> Setting(const Text& name) {
    return registry.Get(RootKey::LocalMachine, kSettingsKey, name);
  }
  std::optional<MemoryRegistry::Value> RunValue() { return registry.Get(RootKey::LocalMachine, kRunKey, kRunValue); }
  void CreateRunKey() { registry.Put(RootKey::LocalMachine, kRunKey, u"Other", ValueType::String, Sz(u"x")); }
};

TEST_F(SettingsStoreTest, FirstRunCreatesTheKeyAndFailsAtTheFirstRead) {
  CreateRunKey();
  EXPECT_FALSE(LoadSettings(registry, window, kExe));
  EXPECT_TRUE(registry.HasKey(RootKey::LocalMachine, kSettingsKey));
  EXPECT_FALSE(Setting(u"RunAtStartUp"));
  EXPECT_EQ(window.checks, (std::array<bool, 4>{}));
  EXPECT_EQ(window.CheckedAction(), kActionShutDown);
  EXPECT_FALSE(window.editsEnabled);
  EXPECT_FALSE(window.applyEnabled);
  EXPECT_FALSE(RunValue()) << "the Run value is not touched";
}

TEST_F(SettingsStoreTest, LoadShowsExactlyWhatIsStored) {
  CreateRunKey();
  StoreAll(1, 1, 0, 1, u"  23:0:0 ", u"\u00e9\u6f22", 5);
  EXPECT_TRUE(LoadSettings(registry, window, kExe));
  EXPECT_EQ(window.checks, (std::array<bool, 4>{true, true, false, true}));
  EXPECT_EQ(window.localTime, u"  23:0:0 ");
  EXPECT_EQ(window.runningTime, u"\u00e9\u6f22");
  EXPECT_EQ(window.CheckedAction(), kActionHibernate);
  EXPECT_TRUE(window.editsEnabled);
  EXPECT_FALSE(window.applyEnabled) << "loading ran the change handler, yet Apply ends disabled";
  ASSERT_TRUE(RunValue());
  EXPECT_EQ(RunValue()->data, Sz(kExe));
}

TEST_F(SettingsStoreTest, UnknownActionCodesSelectShutDown) {
  for (uint32_t stored : {7u, 0xFFFFFFFFu}) {
    StoreAll(0, 0, 0, 0, u"", u"", stored);
    window.SelectAction(kActionNothing);
    EXPECT_TRUE(LoadSettings(registry, window, kExe));
    EXPECT_EQ(window.CheckedAction(), kActionShutDown);
    EXPECT_TRUE(StoreSettings(registry, window, kExe));
    EXPECT_EQ(Setting(u"Action")->data, Dword(0)) << "the next Apply stores 0";
  }
}

TEST_F(SettingsStoreTest, MissingTextsLoadEmptyButAMissingActionFailsLate) {
  StoreAll(0, 1, 1, 1, u"x", u"y", 2);
  registry.Put(RootKey::LocalMachine, kSettingsKey, u"ActionTime", ValueType::String, {});
  window.localTime = u"old";
  window.SelectAction(kActionReboot);
  ASSERT_TRUE(LoadSettings(registry, window, kExe));
  EXPECT_EQ(window.localTime, u"");
  EXPECT_EQ(window.CheckedAction(), kActionLogOff);

  // Without "Action" the four switches and both texts are set, then the load fails.
  FakeSettingsWindow fresh;
  MemoryRegistry partial;
  partial.Put(RootKey::LocalMachine, kSettingsKey, u"RunAtStartUp", ValueType::Dword, Dword(0));
  partial.Put(RootKey::LocalMachine, kSettingsKey, u"CountDown", ValueType::Dword, Dword(1));
  partial.Put(RootKey::LocalMachine, kSettingsKey, u"Protect", ValueType::Dword, Dword(1));
  partial.Put(RootKey::LocalMachine, kSettingsKey, u"SetActTime", ValueType::Dword, Dword(1));
  partial.Put(RootKey::LocalMachine, kSettingsKey, u"ActionWakespan", ValueType::String, Sz(u"01:00:00"));
  fresh.SelectAction(kActionNothing);
  EXPECT_FALSE(LoadSettings(partial, fresh, kExe));
  EXPECT_EQ(fresh.checks, (std::array<bool, 4>{false, true, true, true}));
  EXPECT_EQ(fresh.runningTime, u"01:00:00");
  EXPECT_EQ(fresh.CheckedAction(), kActionShutDown);
  EXPECT_TRUE(fresh.editsEnabled);
  EXPECT_FALSE(fresh.applyEnabled);
}

TEST_F(SettingsStoreTest, WrongTypeStopsTheLoadAfterTheEarlierSwitches) {
  CreateRunKey();
  StoreAll(1, 0, 0, 0, u"", u"", 3);
  PutSetting(u"CountDown", ValueType::String, Sz(u"1"));
  window.checks[int(Flag::CountDown)] = true;
  EXPECT_FALSE(LoadSettings(registry, window, kExe));
  EXPECT_TRUE(window.IsChecked(Flag::RunAtStartUp));
  EXPECT_TRUE(window.IsChecked(Flag::CountDown)) << "left as it was";
  EXPECT_EQ(window.CheckedAction(), kActionShutDown);
  EXPECT_FALSE(window.applyEnabled);
  EXPECT_FALSE(RunValue()) << "the Run value is handled only after a complete load";
}

TEST_F(SettingsStoreTest, StoreWritesSevenTypedValuesAndTheRunValue) {
  CreateRunKey();
  window.checks = {true, false, true, true};
  window.localTime = Text(100000, u'9');
  window.runningTime = u" 01:02:03";
  window.SelectAction(kActionClose);
  EXPECT_TRUE(StoreSettings(registry, window, kExe));
  EXPECT_EQ(Setting(u"RunAtStartUp")->type, ValueType::Dword);
  EXPECT_EQ(Setting(u"RunAtStartUp")->data, Dword(1));
  EXPECT_EQ(Setting(u"CountDown")->data, Dword(0));
  EXPECT_EQ(Setting(u"Protect")->data, Dword(1));
  EXPECT_EQ(Setting(u"SetActTime")->data, Dword(1));
  EXPECT_EQ(Setting(u"ActionTime")->type, ValueType::String);
  EXPECT_EQ(Setting(u"ActionTime")->data, Sz(window.localTime));
  EXPECT_EQ(Setting(u"ActionWakespan")->data, Sz(u" 01:02:03"));
  EXPECT_EQ(Setting(u"Action")->data, Dword(3));
  EXPECT_EQ(RunValue()->data, Sz(kExe));
  EXPECT_FALSE(window.applyEnabled);

  FakeSettingsWindow loaded;
  EXPECT_TRUE(LoadSettings(registry, loaded, kExe));
  EXPECT_EQ(loaded.localTime, window.localTime);
  EXPECT_EQ(loaded.runningTime, window.runningTime);

  window.checks[int(Flag::RunAtStartUp)] = false;
  window.radios.fill(false);
  EXPECT_TRUE(StoreSettings(registry, window, kExe));
  EXPECT_FALSE(RunValue()) << "clearing the switch deletes the Run value";
  EXPECT_EQ(Setting(u"Action")->data, Dword(0)) << "no radio button checked stores 0";
}

TEST_F(SettingsStoreTest, EveryLoadRewritesOrRemovesTheRunValue) {
  CreateRunKey();
  StoreAll(1, 0, 0, 0, u"", u"", 0);
  registry.Put(RootKey::LocalMachine, kRunKey, kRunValue, ValueType::String, Sz(u"D:\\old\\place.exe"));
  EXPECT_TRUE(LoadSettings(registry, window, kExe));
  EXPECT_EQ(RunValue()->data, Sz(kExe));

  StoreAll(0, 0, 0, 0, u"", u"", 0);
  EXPECT_TRUE(LoadSettings(registry, window, kExe));
  EXPECT_FALSE(RunValue());
}

TEST_F(SettingsStoreTest, WithoutWriteAccessEveryPathFails) {
  StoreAll(1, 1, 1, 1, u"a", u"b", 1);
  registry.SetReadOnly(true);
  window.SelectAction(kActionReboot);
  window.applyEnabled = true;
  EXPECT_FALSE(LoadSettings(registry, window, kExe));
  EXPECT_EQ(window.CheckedAction(), kActionShutDown);
  EXPECT_FALSE(window.applyEnabled);
  window.applyEnabled = true;
  EXPECT_FALSE(StoreSettings(registry, window, kExe));
  EXPECT_FALSE(window.applyEnabled);
  EXPECT_THROW(ReadArmingSwitch(registry), platform::RegistryError);
  EXPECT_FALSE(ReadDispatchSettings(registry));
}

TEST_F(SettingsStoreTest, DispatchAndArmingReads) {
  EXPECT_FALSE(ReadDispatchSettings(registry)) << "the dispatch read never creates the key";
  EXPECT_FALSE(registry.HasKey(RootKey::LocalMachine, kSettingsKey));
  StoreAll(0, 1, 0, 1, u"", u"", 0xFFFFFFFFu);
  auto settings = ReadDispatchSettings(registry);
  ASSERT_TRUE(settings);
  EXPECT_TRUE(settings->countDown);
  EXPECT_EQ(settings->action, -1) << "the raw code; the action treats it as shut down";
  EXPECT_TRUE(ReadArmingSwitch(registry));
  PutSetting(u"SetActTime", ValueType::Binary, {});
  EXPECT_THROW(ReadArmingSwitch(registry), platform::RegistryError);
}

}  // namespace
