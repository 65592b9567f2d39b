#include "skin/win32/manager/DibBlit.h"

#include "platform/gui/Handles.h"

namespace wakespan {

// The DIB handed over starts at the part's first row: systems disagree on
// where a source row offset counts from, but not on a DIB read from row 0.
void BlitPart(HDC dc, Point at, const Bitmap& image, Rect from) {
  from = Intersect(from, Rect{0, 0, image.Width(), image.Height()});
  if (!dc || from.IsEmpty()) return;
  const BITMAPINFO info = gui::TopDownDibInfo(image.Width(), from.Height(), image.BytesPerPixel() * 8);
  StretchDIBits(dc, at.X, at.Y, from.Width(), from.Height(), from.Left, 0, from.Width(), from.Height(),
                image.Row(from.Top), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace wakespan
