// The disabled look of a control's bitmap.
#pragma once

#include "skin/paint/sControlLinks.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

inline constexpr int kDisabledFade = 1;  // mix into the background
inline constexpr int kDisabledGray = 2;  // grey first

// kDisabledGray: GrayBitmap(B). kDisabledFade: with a ready parent the
// control keeps 40 per cent over 60 per cent of the parent block behind it
// (at ci.X + pP.X, ci.Y + pP.Y); otherwise it is tinted half way towards
// ci.FillColor, or, when that is unknown, the colour `control` reports.
void PaintDisabled(Bitmap& B, int flags, TacControlLink* control, Point pP, const TCacheInfo& ci);

}  // namespace wakespan
