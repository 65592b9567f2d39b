#include "skin/paint/sStateGlyph.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sBorderImage.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {

void PaintStateGlyph(Bitmap& B, Point P, int state, const TCacheInfo& ci, const TsMaskData& e,
                     int glyphMode) {
  const int w = StateWidth(e), h = StateHeight(e);
  // Nothing of a glyph placed wholly outside B shows; this also keeps
  // hostile positions from overflowing below.
  if (w <= 0 || h <= 0 || P.X <= -w || P.Y <= -h || P.X >= B.Width() || P.Y >= B.Height()) return;
  const int o = w * StateIndex(e, state);
  const int dx = P.X < 0 ? -P.X : 0;
  const int dy = P.Y < 0 ? -P.Y : 0;
  // Both inclusive.
  const Rect Sr{e.R.Left + o + dx, e.R.Top + dy, e.R.Left + o + w - 1, e.R.Top + h - 1};
  const Rect Dr{P.X + dx, P.Y + dy, P.X + w - 1, P.Y + h - 1};
  if (e.Bmp) {
    if (e.Bmp->Width() >= e.R.Right && e.Bmp->Height() >= e.R.Bottom)
      CopyGlyphMasked(Dr, Sr, B, e, glyphMode, *e.Bmp);
    return;
  }
  if (e.Manager == nullptr || e.ImageCount == 0 || !e.Manager->MasterBitmap) return;
  const Bitmap& master = *e.Manager->MasterBitmap;
  if (e.MaskType > 0) {
    CopyGlyphMasked(Dr, Sr, B, e, glyphMode, master);
  } else if (glyphMode == kGlyphNormal) {
    CopyKeyed(B, master, Dr.Left, Dr.Top, true, ci, kSkinKeyColor, Sr);
  } else {
    BlendPercent(B, Dr.Left, Dr.Top, kSkinKeyColor, 0.5, Sr, master);
  }
}

}  // namespace wakespan
