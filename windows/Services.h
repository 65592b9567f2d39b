#pragma once
// The system services the windows use: the registry, the clocks and the
// path of the running executable.
#include "platform/Clock.h"
#include "platform/RegistryBackend.h"

namespace services {

platform::RegistryBackend& Registry();
platform::Clock& Clock();
// The full path of the running executable, as the process reports it.
platform::Text ExecutablePath();

}  // namespace services
