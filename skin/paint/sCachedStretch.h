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

// One part of a composed stretch: Sr of the source into To of the result.
struct StretchPart {
  Rect Sr;
  Rect To;
};

// Parts of Src's rectangle `from`, each stretched as StretchHalftone paints
// it into its own place of one width x height result, made once and kept:
// a border image's edges and centre then come back as whole rows. Null when
// the result is over the cache's budget or a part has no source pixels
// inside Src (its place must keep what lies beneath it).
const Bitmap* StretchPartsCached(const Bitmap& Src, Rect from, int width, int height, PixelFormat format,
                                 const StretchPart* parts, int count, StretchCache& cache);

}  // namespace wakespan
