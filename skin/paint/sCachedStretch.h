// The platform's halftone stretch of part of a skin image, kept in the
// image's stretch cache: the first paint of a size resamples, every later
// one copies the result.
#pragma once

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/StretchCache.h"

namespace wakespan {

// What PaintPlatform().StretchHalftone(B, Dr, Src, Sr) paints, pixel for
// pixel: the stretch writes every destination pixel from the source alone,
// so a result made once into a bitmap of Dr's size serves every later call
// of the same key. Results over the cache's budget are resampled each time.
void StretchHalftoneCached(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr, StretchCache& cache);

}  // namespace wakespan
