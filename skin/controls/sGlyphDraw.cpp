#include "skin/controls/sGlyphDraw.h"

#include "skin/pixels/PixelOps.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

// Premultiplied source over the destination: d = s + d * (255 - a) / 255.
uint8_t Over(uint8_t source, uint8_t destination, uint8_t alpha) {
  return uint8_t(source + (destination * (255 - alpha) + 127) / 255);
}

void BlendPremultiplied(Bitmap& B, Point P, const Bitmap& picture, Rect Sr) {
  const Span columns = ClipSpan(P.X, Sr.Left, Sr.Width(), B.Width(), picture.Width());
  const Span rows = ClipSpan(P.Y, Sr.Top, Sr.Height(), B.Height(), picture.Height());
  const int bytes = B.BytesPerPixel();
  for (int i = rows.First; i < rows.First + rows.Count; ++i) {
    const uint8_t* s = picture.Row(Sr.Top + i) + (Sr.Left + columns.First) * 4;
    uint8_t* d = B.Row(P.Y + i) + (P.X + columns.First) * bytes;
    for (int j = 0; j < columns.Count; ++j, s += 4, d += bytes)
      for (int c = 0; c < 3; ++c) d[c] = Over(s[c], d[c], s[3]);
  }
}

}  // namespace

void DrawButtonPicture(Bitmap& B, Point P, const Bitmap& picture, Rect Sr) {
  if (B.IsEmpty() || picture.IsEmpty() || Sr.IsEmpty()) return;
  if (picture.Format() == PixelFormat::Bgra32) {
    BlendPremultiplied(B, P, picture, Sr);
    return;
  }
  TCacheInfo plain;
  plain.Ready = true;
  const uint32_t key = picture.Pixel(0, picture.Height() - 1);
  CopyKeyed(B, picture, P.X, P.Y, false, plain, key, Rect{Sr.Left, Sr.Top, Sr.Right - 1, Sr.Bottom - 1});
}

}  // namespace wakespan
