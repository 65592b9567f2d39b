// The engine commands the manager's window side sends or asks beyond the
// ones the manager itself broadcasts, and how a command travels in wParam.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/acSkinWindows.h"

namespace wakespan::engine {

// Asked of a window before it is skinned or walked: a window that answers 1
// is already looked after by a provider or wrapper.
constexpr uint16_t kHandledQuery = 7;
constexpr uintptr_t kHandledAnswer = 1;
// Sent to every form when the application window receives kFormsNotice.
constexpr uint16_t kFormsNoticeCommand = 18;

// The high word of wParam carries the command code.
constexpr uintptr_t CommandWParam(uint16_t command) { return uintptr_t(command) << 16; }
constexpr uint16_t CommandOf(uintptr_t wParam) { return uint16_t((wParam >> 16) & 0xFFFF); }
constexpr uintptr_t CommandWParam(TacEngineCommand command) { return CommandWParam(uint16_t(command)); }

// What lParam points to with SectionChanged: the sender and the section's
// upper-cased name, valid while the message is being handled.
struct SectionNotice {
  const TsSkinManager* sender;
  std::string_view section;
};

}  // namespace wakespan::engine
