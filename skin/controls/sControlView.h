// What the painting of a wrapped control needs to know about it, filled by
// the Win32 side from the window (or by tests by hand): size, caption,
// style and button-state bits, focus, hover and font.
#pragma once

#include <cstdint>
#include <string>

#include "skin/data/sSkinData.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Button-state bits of BM_GETSTATE.
inline constexpr uint32_t kStateChecked = 0x1;
inline constexpr uint32_t kStateIndeterminate = 0x2;
inline constexpr uint32_t kStatePushed = 0x4;
inline constexpr uint32_t kStateFocus = 0x8;

// Button window-style bits.
inline constexpr uint32_t kStyleTypeMask = 0xF;
inline constexpr uint32_t kStyleDefPushButton = 0x1;
inline constexpr uint32_t kStyleRadioButton = 0x4;
inline constexpr uint32_t kStyleAutoRadioButton = 0x9;
inline constexpr uint32_t kStyleRightButton = 0x20;
inline constexpr uint32_t kStyleMultiLine = 0x2000;

// DrawTextW format bits the control painting uses.
namespace textformat {
inline constexpr uint32_t kCenter = 0x1;
inline constexpr uint32_t kVCenter = 0x4;
inline constexpr uint32_t kWordBreak = 0x10;
inline constexpr uint32_t kSingleLine = 0x20;
inline constexpr uint32_t kExpandTabs = 0x40;
inline constexpr uint32_t kCalcRect = 0x400;
inline constexpr uint32_t kNoPrefix = 0x800;
}  // namespace textformat

struct TacControlView {
  Size WindowSize;
  std::u16string Caption;
  uint32_t Style = 0;        // window style
  uint32_t ButtonState = 0;  // BM_GETSTATE bits
  bool Enabled = true;
  bool Focused = false;      // the control has the focus
  bool MouseAbove = false;   // the manager's active control
  bool PlainWindow = false;  // a window of a standard dialog, not a framework control
  bool RightToLeft = false;
  FontRef Font;
  TColor FontColor = 0;      // the control's own, for a control that keeps its font colour
};

// The inputs of the hot test every wrapper uses.
struct TacHotInput {
  int KindCode = 227;        // the skin data's control kind code
  bool ControlExists = true;
  bool Enabled = true;
  bool Destroying = false;
  bool Focused = false;      // FFocused, or the window is the focus window
  bool MouseAbove = false;
};

// Hot: an existing, enabled control that is not being destroyed and has the
// focus, or the mouse over it (hover counts only for kinds outside 19,
// 51..74, 110 and 141..161, whose hover the control shows itself).
bool IsControlHot(const TacHotInput& in);

// The view's hot test for a wrapped framework control.
inline bool IsControlHot(const TacControlView& v) {
  TacHotInput in;
  in.Enabled = v.Enabled;
  in.Focused = v.Focused;
  in.MouseAbove = v.MouseAbove;
  return IsControlHot(in);
}

}  // namespace wakespan
