// The pixels of a title button's hot or pressed look outside the frame's
// rendering: the image its fade window shows, and the direct repaint of
// the button into the frame's cache when no fade can be shown.
#pragma once

#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sTitleButtonStates.h"
#include "skin/pixels/Bitmap.h"

namespace wakespan {

// The fade window's image of `button` in its state: the title strip saved
// under the buttons (the cache itself without one) with the button's state
// image over it, every pixel opaque; 32 bits, the button's size. Empty for
// a button without a valid image or rectangle.
Bitmap MakeTitleFadeImage(const TsFrameCache& fc, const TsSkinModel& m, const TsCaptionButton& button,
                          int captionWidth);

// Paints the direct repaint `r` (RepaintTitleButton's answer) of a button
// in `state` into the cache: the saved background back, then the image.
// Returns the cache rectangle to copy onto the window (empty: nothing).
Rect PaintTitleButtonDirect(TsFrameCache& fc, const TsSkinModel& m, const TsButtonRepaint& r, int state);

}  // namespace wakespan
