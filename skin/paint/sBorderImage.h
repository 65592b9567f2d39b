// The nine-part border image: four corners, four edges and a centre cut
// from one state of a skin image and laid into a rectangle of any size.
#pragma once

#include "skin/data/sMaskData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// DrawMode bits of a border image.
inline constexpr int kBorderStretch = 1;       // stretch edges and centre (images without mask)
inline constexpr int kBorderSkipNormal = 2;    // paint nothing in state 0
inline constexpr int kBorderPaintCentre = 4;   // paint the centre (when filling)

// The state index painted for a requested state: min(state, ImageCount - 1),
// never below 0.
int StateIndex(const TsMaskData& e, int state);

// Paints entry e in `state` into R of B. Nothing for state 0 with
// kBorderSkipNormal, for R narrower or lower than 2 pixels, for an entry
// without manager or with ImageCount 0. Margins WL, WT, WR, WB wider than R
// are reduced by half their excess each, the right (bottom) one by one more
// for an odd size. Masked entries copy every part through the mask (the
// corners with `updateCorners` and ci, the rest keeping key pixels) and
// always tile; unmasked ones copy corners keyed and edges and centre opaque,
// stretched with kBorderStretch, else tiled. Order: top-left, left, top,
// bottom-left, bottom, bottom-right, top-right, right, then the centre when
// `filling` and kBorderPaintCentre.
void PaintBorderImage(Bitmap& B, Rect R, bool filling, const TCacheInfo& ci, const TsMaskData& e,
                      int state, bool updateCorners);

}  // namespace wakespan
