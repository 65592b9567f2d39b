#pragma once
#include "platform/Text.h"

namespace platform {

// Lower-cases a text by the platform's Unicode rules.
using LowerCaseFunction = Text (*)(const Text&);

// The application's default title: the executable's file name without its
// folder and without everything from its first "."; the first character as
// it is, the rest in lower case ("C:\x\WAKESPAN.exe" gives "Wakespan").
Text ApplicationTitle(const Text& modulePath, LowerCaseFunction lowerCase);

}  // namespace platform
