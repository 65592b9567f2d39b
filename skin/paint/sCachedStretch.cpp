#include "skin/paint/sCachedStretch.h"

#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

void StretchHalftoneCached(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr, StretchCache& cache) {
  TacPaintPlatform& platform = PaintPlatform();
  // The key holds the source rectangle as the stretch will clip it, so
  // requests that resample the same pixels share one result.
  const Rect from = Intersect(Sr, Rect{0, 0, Src.Width(), Src.Height()});
  if (from.IsEmpty() || Dr.IsEmpty() || B.IsEmpty()) return;
  const long long width = static_cast<long long>(Dr.Right) - Dr.Left;
  const long long height = static_cast<long long>(Dr.Bottom) - Dr.Top;
  if (!Bitmap::IsAcceptableSize(width, height)) return platform.StretchHalftone(B, Dr, Src, from);
  const StretchCache::Key key{&platform, &Src, from, Dr.Width(), Dr.Height(), B.Format()};
  const Bitmap* result = cache.Find(key);
  if (result == nullptr) {
    Bitmap* fresh = cache.Add(key);
    if (fresh == nullptr) return platform.StretchHalftone(B, Dr, Src, from);
    platform.StretchHalftone(*fresh, Rect{0, 0, Dr.Width(), Dr.Height()}, Src, from);
    result = fresh;
  }
  CopyBlock(B, Dr.Left, Dr.Top, Dr.Width(), Dr.Height(), *result, 0, 0);
}

const Bitmap* StretchPartsCached(const Bitmap& Src, Rect from, int width, int height, PixelFormat format,
                                 const StretchPart* parts, int count, StretchCache& cache) {
  TacPaintPlatform& platform = PaintPlatform();
  const Rect bounds{0, 0, Src.Width(), Src.Height()};
  for (int i = 0; i < count; ++i)
    if (!parts[i].To.IsEmpty() && Intersect(parts[i].Sr, bounds).IsEmpty()) return nullptr;
  StretchCache::Key key{&platform, &Src, from, width, height, format};
  key.What = StretchCache::Key::Content::StretchedParts;
  if (const Bitmap* kept = cache.Find(key)) return kept;
  Bitmap* fresh = cache.Add(key);
  if (fresh == nullptr) return nullptr;
  for (int i = 0; i < count; ++i)
    if (!parts[i].To.IsEmpty()) platform.StretchHalftone(*fresh, parts[i].To, Src, Intersect(parts[i].Sr, bounds));
  return fresh;
}

}  // namespace wakespan
