#pragma once
// Load and store of the settings between the registry and the settings
// window's controls, and the reads the triggers make when they fire.
#include <optional>

#include "platform/RegistryBackend.h"
#include "schedule/Settings.h"

namespace schedule {

// Loads every stored value into the controls and brings the Run value into
// line with the start-at-logon switch. On any failure the load stops where it
// is and selects the shut-down action. Always ends with Apply disabled.
bool LoadSettings(platform::RegistryBackend& registry, SettingsControls& controls, const platform::Text& exePath);

// Brings the Run value into line, then writes all seven values. On failure
// the values written so far stay. Always ends with Apply disabled.
bool StoreSettings(platform::RegistryBackend& registry, SettingsControls& controls, const platform::Text& exePath);

// What the action dispatch reads when a trigger fires.
struct DispatchSettings {
  bool countDown = false;
  ActionCode action = kActionShutDown;
};
std::optional<DispatchSettings> ReadDispatchSettings(platform::RegistryBackend& registry);

// The stored arming switch of both triggers. Throws platform::RegistryError
// when it cannot be read.
bool ReadArmingSwitch(platform::RegistryBackend& registry);

}  // namespace schedule
