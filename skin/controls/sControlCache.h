// The pieces every wrapper's cache painting shares: sizing the cache, the
// parent's background copied into part of it, and the disabled fade.
#pragma once

#include "skin/paint/sCommonData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// The cache of `data` as a 24-bit bitmap of `size`, made or resized when it
// differs; null when no bitmap can have that size.
Bitmap* SizeCache(TsCommonData& data, Size size);

// R of B gets what lies behind it: the parent's bitmap block at (ci.X +
// R.Left, ci.Y + R.Top) when ready, else ci.FillColor (nothing when that is
// unknown too).
void CopyParentBackground(Bitmap& B, Rect R, const TCacheInfo& ci);

// The disabled look of buttons and check boxes: with a ready parent each
// pixel keeps 40 per cent over 60 per cent of the parent block behind it;
// otherwise every pixel but the key colour becomes 0.4 of itself and 0.6 of
// the parent's fill colour, rounded to nearest.
void FadeDisabled(Bitmap& B, const TCacheInfo& ci);

}  // namespace wakespan
