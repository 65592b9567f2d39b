#include "schedule/SettingsStore.h"

#include "platform/Registry.h"

namespace schedule {

using platform::RegistrySession;
using platform::RootKey;
using platform::Text;

namespace {

constexpr Flag kFlags[] = {Flag::RunAtStartUp, Flag::CountDown, Flag::Protect, Flag::SetActTime};

// The Run value exists exactly while start-at-logon is set.
void SyncRunValue(RegistrySession& session, bool runAtStartUp, const Text& exePath) {
  session.OpenKey(kRunKey);
  if (runAtStartUp)
    session.WriteString(kRunValue, exePath);
  else
    session.DeleteValue(kRunValue);
  session.CloseKey();
}

void EnsureSettingsKey(RegistrySession& session) {
  if (!session.KeyExists(kSettingsKey)) session.CreateKey(kSettingsKey);
}

}  // namespace

bool LoadSettings(platform::RegistryBackend& registry, SettingsControls& controls, const Text& exePath) {
  bool loaded = false;
  try {
    RegistrySession session(registry, RootKey::LocalMachine);
    EnsureSettingsKey(session);
    session.OpenKey(kSettingsKey);
    for (Flag flag : kFlags) controls.SetChecked(flag, session.ReadBool(FlagValueName(flag)));
    controls.SetTriggerEditsEnabled(controls.IsChecked(Flag::SetActTime));
    controls.SetTriggerText(Trigger::LocalTime, session.ReadString(TriggerValueName(Trigger::LocalTime)));
    controls.SetTriggerText(Trigger::RunningTime, session.ReadString(TriggerValueName(Trigger::RunningTime)));
    controls.SelectAction(KnownAction(session.ReadInteger(kActionValue)));
    session.CloseKey();
    SyncRunValue(session, controls.IsChecked(Flag::RunAtStartUp), exePath);
    loaded = true;
  } catch (const platform::RegistryError&) {
    controls.SelectAction(kActionShutDown);
  }
  controls.DisableApply();
  return loaded;
}

bool StoreSettings(platform::RegistryBackend& registry, SettingsControls& controls, const Text& exePath) {
  bool stored = false;
  try {
    RegistrySession session(registry, RootKey::LocalMachine);
    EnsureSettingsKey(session);
    SyncRunValue(session, controls.IsChecked(Flag::RunAtStartUp), exePath);
    session.OpenKey(kSettingsKey);
    for (Flag flag : kFlags) session.WriteBool(FlagValueName(flag), controls.IsChecked(flag));
    session.WriteString(TriggerValueName(Trigger::LocalTime), controls.TriggerText(Trigger::LocalTime));
    session.WriteString(TriggerValueName(Trigger::RunningTime), controls.TriggerText(Trigger::RunningTime));
    session.WriteInteger(kActionValue, controls.CheckedAction().value_or(kActionShutDown));
    session.CloseKey();
    stored = true;
  } catch (const platform::RegistryError&) {
  }
  controls.DisableApply();
  return stored;
}

std::optional<DispatchSettings> ReadDispatchSettings(platform::RegistryBackend& registry) {
  try {
    RegistrySession session(registry, RootKey::LocalMachine);
    session.OpenKey(kSettingsKey);
    DispatchSettings settings;
    settings.countDown = session.ReadBool(FlagValueName(Flag::CountDown));
    settings.action = session.ReadInteger(kActionValue);
    return settings;
  } catch (const platform::RegistryError&) {
    return std::nullopt;
  }
}

bool ReadArmingSwitch(platform::RegistryBackend& registry) {
  RegistrySession session(registry, RootKey::LocalMachine);
  session.OpenKey(kSettingsKey);
  return session.ReadBool(FlagValueName(Flag::SetActTime));
}

}  // namespace schedule
