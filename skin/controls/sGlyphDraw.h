// Drawing a button's picture into its cache: a 32-bit picture with
// premultiplied alpha is blended, any other is copied with its key colour
// (the bottom-left pixel) left out.
#pragma once

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Draws Sr (half-open) of `picture` at P of B, clipped to both.
void DrawButtonPicture(Bitmap& B, Point P, const Bitmap& picture, Rect Sr);

}  // namespace wakespan
