// DrawTextW's format bits as the menu painter uses them.
#pragma once

#include <cstdint>

namespace wakespan::menuformat {

inline constexpr uint32_t kCenter = 0x1;
inline constexpr uint32_t kRight = 0x2;
inline constexpr uint32_t kVCenter = 0x4;
inline constexpr uint32_t kSingleLine = 0x20;
inline constexpr uint32_t kExpandTabs = 0x40;
inline constexpr uint32_t kNoClip = 0x100;
inline constexpr uint32_t kCalcRect = 0x400;
inline constexpr uint32_t kRtlReading = 0x20000;
inline constexpr uint32_t kHidePrefix = 0x100000;

// Measuring an item's text: one line, tabs expanded.
inline constexpr uint32_t kMeasure = kCalcRect | kNoClip | kExpandTabs | kSingleLine;
// Writing it: the same, vertically centred.
inline constexpr uint32_t kLine = kSingleLine | kVCenter | kExpandTabs | kNoClip;

}  // namespace wakespan::menuformat
