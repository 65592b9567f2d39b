// Menu pictures into a 24-bit item bitmap.
#pragma once

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Draws `picture` with its top-left at `at`, clipped to B: a 32-bit
// picture carries premultiplied alpha and is blended over B, a 24-bit one
// is copied as it is.
void DrawMenuPicture(Bitmap& B, const Bitmap& picture, Point at);

}  // namespace wakespan
