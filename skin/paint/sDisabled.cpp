#include "skin/paint/sDisabled.h"

#include "skin/data/sSysColors.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {

void PaintDisabled(Bitmap& B, int flags, TacControlLink* control, Point pP, const TCacheInfo& ci) {
  if (B.IsEmpty()) return;
  if (flags & kDisabledGray) GrayBitmap(B);
  if (!(flags & kDisabledFade)) return;
  if (ci.Ready) {
    if (ci.Bmp == nullptr) return;
    const int x = ci.X + pP.X, y = ci.Y + pP.Y;
    // No key: every pixel mixes.
    BlendPercent(B, 0, 0, 0xFFFFFFFF, 0.4, Rect{x, y, x + B.Width() - 1, y + B.Height() - 1}, *ci.Bmp);
    return;
  }
  uint32_t color = ci.FillColor;
  if (color == uint32_t(kSkinColor)) color = control ? uint32_t(ColorToRGB(ReportedColor(*control))) : color;
  TintRect(B, Rect{0, 0, B.Width() - 1, B.Height() - 1}, 50, color);
}

}  // namespace wakespan
