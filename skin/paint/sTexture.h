// Textures: an image tiled or stretched over a rectangle or along one of its
// sides, and masked textures copied tile by tile through their mask.
#pragma once

#include "skin/data/sMaskData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// R returned by PaintTexture when the texture covered all of it.
inline constexpr Rect kCoveredRect{-1, -1, -1, -1};

// Fills `area` of B (clipped to B) with copies of Sr of Src laid in a grid
// that starts at `origin`; partial tiles at the edges of `area`.
void TileImage(Bitmap& B, Rect area, Point origin, const Bitmap& Src, Rect Sr);

// Paints a texture into R of B and sets R to the part left uncovered, or to
// kCoveredRect. A non-empty `image` is tiled over all of R. Otherwise the
// source is e's rectangle in its bitmap (own or master), w x h, and the draw
// mode `d` decides:
//   0  tiled over R                         covered
//   1  stretched over R (halftone)          covered
//   2  a band h high along the top, tiled   R below the band
//   3  a band w wide along the left, tiled  R right of the band
//   4  stretched to R's width, h high, top  R below the band
//   5  stretched to R's height, w wide, left R right of the band
//   6  a band h high along the bottom       R above the band
//  10  whole tiles only (last column cut), the rows below the last whole
//      row left unpainted                   covered
//  any other: a band w wide along the right edge showing the tiling whose
//      grid starts at R's top-left         R left of the band
// Masked entries (MaskType above 0) go through PaintMaskedTexture with ci.
void PaintTexture(Bitmap& B, Rect& R, const Bitmap* image, int d, const TsMaskData& e,
                  const TCacheInfo& ci = TCacheInfo{});

// A masked texture in tiles of StateWidth x (height of e.R div 2), each
// copied through its mask like CopyMasked with update-corners on and ci:
// d = 0 tiles all of R (last column and row cut); d = 10 lays whole tiles
// only and fills the uncovered right column and bottom band from ci's
// parent block (ci.Ready) or with ci.FillColor; other modes paint nothing.
void PaintMaskedTexture(Bitmap& B, Rect R, int d, const TsMaskData& e, const TCacheInfo& ci);

// The bitmap an entry's pixels come from: its own, else its manager's
// master bitmap; null when there is neither.
const Bitmap* EntrySource(const TsMaskData& e);

}  // namespace wakespan
