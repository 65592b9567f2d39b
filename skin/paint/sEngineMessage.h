// The engine's private window message and the command codes painting uses.
#pragma once

#include <cstdint>

#include "skin/data/acSkinWindows.h"  // EngineCommandMessage

namespace wakespan {

inline constexpr uint16_t kCommandIsSkinned = 7;         // answer 1 when skinned
inline constexpr uint16_t kCommandControlColor = 21;     // lParam 0xFF00FF: the skin background colour
inline constexpr uint16_t kCommandBackgroundQuery = 34;  // lParam: a BackgroundInfo*
inline constexpr uint16_t kCommandApplication = 60;      // answer the application object

// wParam of EngineCommandMessage: the code in the high 16 bits, an
// argument in the low 16.
inline constexpr uintptr_t EngineCommand(uint16_t code, uint16_t argument = 0) {
  return uintptr_t{code} << 16 | argument;
}

// Standard window messages the background query's painting fallback sends.
inline constexpr uint32_t kWmPaint = 0x000F;
inline constexpr uint32_t kWmEraseBkgnd = 0x0014;

}  // namespace wakespan
