// Copying the engine's bitmaps onto device contexts.
#pragma once

#include <windows.h>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Copies part `from` of `image` (clipped to it) to `at` of a device context.
void BlitPart(HDC dc, Point at, const Bitmap& image, Rect from);

}  // namespace wakespan
