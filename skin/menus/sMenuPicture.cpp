#include "skin/menus/sMenuPicture.h"

#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

void DrawMenuPicture(Bitmap& B, const Bitmap& picture, Point at) {
  if (picture.IsEmpty() || B.IsEmpty()) return;
  if (picture.Format() == PixelFormat::Bgr24) {
    CopyBlock(B, at.X, at.Y, picture.Width(), picture.Height(), picture, 0, 0);
    return;
  }
  const Span cols = ClipSpan(at.X, 0, picture.Width(), B.Width(), picture.Width());
  const Span rows = ClipSpan(at.Y, 0, picture.Height(), B.Height(), picture.Height());
  const int out = B.BytesPerPixel();
  for (int r = rows.First; r < rows.First + rows.Count; ++r) {
    const uint8_t* src = picture.Row(r) + cols.First * 4;
    uint8_t* dst = B.Row(at.Y + r) + (at.X + cols.First) * out;
    for (int c = 0; c < cols.Count; ++c, src += 4, dst += out) {
      const int keep = 255 - src[3];
      if (keep == 255) continue;
      for (int ch = 0; ch < 3; ++ch) {
        const int v = src[ch] + (dst[ch] * keep + 127) / 255;
        dst[ch] = static_cast<uint8_t>(v > 255 ? 255 : v);
      }
    }
  }
}

}  // namespace wakespan
