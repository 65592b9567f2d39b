#pragma once
// The system services the windows use: the registry, the clocks, the power
// calls and the path of the running executable.
#include "platform/Clock.h"
#include "platform/Power.h"
#include "platform/RegistryBackend.h"

namespace services {

platform::RegistryBackend& Registry();
platform::Clock& Clock();
platform::Power& Power();
// The full path of the running executable, as the process reports it.
platform::Text ExecutablePath();

}  // namespace services
