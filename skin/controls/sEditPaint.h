// A skinned edit: its frame image (the client area stays the edit's own)
// and the colours the edit is given for its client area.
#pragma once

#include "skin/controls/sControlView.h"
#include "skin/paint/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// The system window colour, as a colour value.
inline constexpr TColor kSystemWindowColor = TColor(0xFF000005);

// The edit's frame into the cache (the whole window's size): for an edit of
// a standard dialog when the skin's BorderColor is not the key colour, the
// window colour inside a one-pixel frame of that colour; otherwise the
// section in state 1 when focused or under the mouse, else 0, over the
// parent's background, faded into it when disabled. The cache is fresh
// afterwards.
void PrepareEditFrame(TsCommonData& data, const TacControlView& view, const TCacheInfo& ci);

// The colours an edit takes from the skin.
struct TacEditColors {
  TColor Color = 0;       // background, normal state
  TColor FocusColor = 0;  // background while focused
  TColor FontColor = 0;
};
// The section's background colour per state (the parent's where the section
// is see-through, mixed where it is partly so) and its HOTFONTCOLOR.
TacEditColors EditSkinColors(const TsCommonData& data);

}  // namespace wakespan
