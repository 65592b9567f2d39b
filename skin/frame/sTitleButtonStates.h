// The title buttons' hot and pressed states, and how a state change is
// shown: through the button's fade animation or by repainting the button
// into the cache and onto the frame. Decisions only; the Win32 side paints.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/frame/sTitleButtons.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// What the state operations change: the form's buttons and hot code, and
// the pressed flag that all forms share (set by a press on a title button,
// cleared by any hot change).
struct TsTitleButtonStates {
  TsTitleButtons& Buttons;
  int& CurrentHT;  // the hot or pressed button's code; 0 none, -1 a sizing border
  bool& Pressed;
};

// The button a hit code names, or none.
TsCaptionButton* ButtonOfCode(TsTitleButtons& buttons, int code);

// Codes of the buttons whose state changed, to repaint when asked.
using TsButtonCodes = std::vector<int>;

// Makes the button of `code` hot and the previous one normal. Call only
// while the frame is drawn by the skin.
TsButtonCodes SetHotCode(TsTitleButtonStates s, int code);
// Makes the button of `code` pressed; a maximize button that can do
// nothing is not pressed and nothing is hot afterwards.
TsButtonCodes PressTitleButton(TsTitleButtonStates s, int code, bool maxButtonActive);

// How a button's current state is shown.
struct TsButtonRepaint {
  enum class Way : uint8_t { Nothing, Animate, Direct } How = Way::Nothing;
  // Animate: the state to fade to, in Steps steps, fading in when Up.
  int State = 0;
  int Steps = 0;
  bool Up = false;
  // Direct: the saved background's place in TempBmp, the image and glyph
  // mode to draw at the button's rectangle.
  Point TempBmpSource;
  int ImageIndex = -1;
  int GlyphMode = 0;
  Rect Where;
};

struct TsButtonPaintContext {
  bool GlowingPossible = false;  // layered windows can show the fade
  bool FormActive = true;
  bool Maximized = false;
  bool Minimized = false;
  TsTitleButtonRules Rules;
  Rect IconRect;
  int CaptionWidth = 0;  // W
  int TempBmpWidth = 0;
  int RestoreImage = -1;  // "BICONNORM"
};

TsButtonRepaint RepaintTitleButton(const TsTitleButtons& buttons, int code, const TsButtonPaintContext& c);

}  // namespace wakespan
