// One state image of a glyph placed at a point.
#pragma once

#include "skin/data/sMaskData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// Glyph modes: 1 normal; any other value faded (title buttons of an
// inactive window).
inline constexpr int kGlyphNormal = 1;

// Copies the state image of e for `state` (StateWidth x StateHeight) to P
// of B; the part left of or above B is skipped, the rest lands where it
// would have been. An own bitmap smaller than e.R is not painted. From the
// master bitmap: masked entries through the mask (faded: mask raised by
// 100); unmasked entries keyed with the parent description ci in the
// normal mode, and mixed half and half with the destination when faded.
void PaintStateGlyph(Bitmap& B, Point P, int state, const TCacheInfo& ci, const TsMaskData& e,
                     int glyphMode);

}  // namespace wakespan
