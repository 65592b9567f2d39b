// Gradients of a section: vertical and horizontal runs of segments, and the
// four-corner triangle gradient of the platform.
#pragma once

#include "skin/data/sSkinData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Paints `G` into R of B (cut to B), in the mode of the first segment:
//  0  vertical: segments stacked from row R.Top + extraHeight, each
//     Percent * (height + extraHeight) div 100 rows long, the last one
//     reaching the bottom row; the boundary row of two segments belongs to
//     the later one; a segment without rows paints nothing, one cut at the
//     bottom row onto its own start ends the painting;
//  1  horizontal: the same across the columns, segment ends rounded;
//  2  four corners through the platform's triangle fill (nothing without one);
// any other mode, an empty array or an empty R paint nothing. Channels run
// in single precision from Color1 towards Color2 and are rounded to nearest,
// ties to even; 32-bit pixels get alpha 255.
void PaintGradient(Bitmap& B, Rect R, const TsGradArray& G, int extraHeight = 0);

}  // namespace wakespan
