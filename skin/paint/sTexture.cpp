#include "skin/paint/sTexture.h"

#include <algorithm>

#include "skin/data/sSkinManager.h"
#include "skin/paint/sCachedStretch.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

// The grid line at or before `value` of a grid of `step` through `origin`.
long long GridStart(long long value, long long origin, long long step) {
  long long cells = (value - origin) / step;
  if (origin + cells * step > value) --cells;
  return origin + cells * step;
}

// The parent's pixels behind `part` of B, or its plain colour.
void FillFromParent(Bitmap& B, const Rect& part, const TCacheInfo& ci) {
  if (part.IsEmpty()) return;
  if (!ci.Ready) {
    FillRectColor(B, part, ci.FillColor);
  } else if (ci.Bmp != nullptr && ci.Bmp != &B) {
    CopyBlock(B, part.Left, part.Top, part.Width(), part.Height(), *ci.Bmp, ci.X + part.Left,
              ci.Y + part.Top);
  }
}

// Mode 10 of a masked texture: the right column and the bottom band that
// whole tiles leave.
void FillUncovered(Bitmap& B, const Rect& R, int right, int bottom, int d, const TCacheInfo& ci) {
  if (d != 10) return;
  const Rect inside{0, 0, B.Width(), B.Height()};
  FillFromParent(B, Intersect(Rect{right, R.Top, R.Right, bottom}, inside), ci);
  FillFromParent(B, Intersect(Rect{R.Left, bottom, R.Right, R.Bottom}, inside), ci);
}

}  // namespace

const Bitmap* EntrySource(const TsMaskData& e) {
  if (e.Bmp) return e.Bmp.get();
  return e.Manager && e.Manager->MasterBitmap ? e.Manager->MasterBitmap.get() : nullptr;
}

void TileImage(Bitmap& B, Rect area, Point origin, const Bitmap& Src, Rect Sr) {
  area = Intersect(area, Rect{0, 0, B.Width(), B.Height()});
  Sr = Intersect(Sr, Rect{0, 0, Src.Width(), Src.Height()});
  const int tw = Sr.Width(), th = Sr.Height();
  if (area.IsEmpty() || tw <= 0 || th <= 0) return;
  const long long x0 = GridStart(area.Left, origin.X, tw);
  for (long long y = GridStart(area.Top, origin.Y, th); y < area.Bottom; y += th) {
    const int top = static_cast<int>(std::max<long long>(y, area.Top));
    const int bottom = static_cast<int>(std::min<long long>(y + th, area.Bottom));
    for (long long x = x0; x < area.Right; x += tw) {
      const int left = static_cast<int>(std::max<long long>(x, area.Left));
      const int right = static_cast<int>(std::min<long long>(x + tw, area.Right));
      CopyBlock(B, left, top, right - left, bottom - top, Src, Sr.Left + static_cast<int>(left - x),
                Sr.Top + static_cast<int>(top - y));
    }
  }
}

void PaintTexture(Bitmap& B, Rect& R, const Bitmap* image, int d, const TsMaskData& e,
                  const TCacheInfo& ci) {
  // Rectangles no bitmap can hold are not painted (and cannot overflow below).
  constexpr int kFar = 1 << 28;
  const auto far = [](int v) { return v > kFar || v < -kFar; };
  if (far(R.Left) || far(R.Top) || far(R.Right) || far(R.Bottom)) return;
  const Point origin{R.Left, R.Top};
  if (image != nullptr && !image->IsEmpty()) {
    TileImage(B, R, origin, *image, Rect{0, 0, image->Width(), image->Height()});
    R = kCoveredRect;
    return;
  }
  if (e.MaskType > 0) {
    if (d != 0 && d != 10) return;
    PaintMaskedTexture(B, R, d, e, ci);
    R = kCoveredRect;
    return;
  }
  const Bitmap* src = EntrySource(e);
  const int w = e.R.Width(), h = e.R.Height();
  if (src == nullptr || w <= 0 || h <= 0) return;
  const Rect Sr{e.R.Left, e.R.Top, e.R.Right, e.R.Bottom};
  switch (d) {
    case 0:
      TileImage(B, R, origin, *src, Sr);
      R = kCoveredRect;
      break;
    case 1:
      StretchHalftoneCached(B, R, *src, Sr, e.Stretched);
      R = kCoveredRect;
      break;
    case 2:
      TileImage(B, Rect{R.Left, R.Top, R.Right, std::min(R.Top + h, R.Bottom)}, origin, *src, Sr);
      R.Top += h;
      break;
    case 3:
      TileImage(B, Rect{R.Left, R.Top, std::min(R.Left + w, R.Right), R.Bottom}, origin, *src, Sr);
      R.Left += w;
      break;
    case 4:
      StretchHalftoneCached(B, Rect{R.Left, R.Top, R.Right, R.Top + h}, *src, Sr, e.Stretched);
      R.Top += h;
      break;
    case 5:
      StretchHalftoneCached(B, Rect{R.Left, R.Top, R.Left + w, R.Bottom}, *src, Sr, e.Stretched);
      R.Left += w;
      break;
    case 6: {
      const int top = std::max(R.Bottom - h, R.Top);
      TileImage(B, Rect{R.Left, top, R.Right, R.Bottom}, Point{R.Left, R.Bottom - h}, *src, Sr);
      R.Bottom -= h;
      break;
    }
    case 10: {
      const int rows = R.Height() / h;
      TileImage(B, Rect{R.Left, R.Top, R.Right, R.Top + rows * h}, origin, *src, Sr);
      R = kCoveredRect;
      break;
    }
    default:
      TileImage(B, Rect{std::max(R.Right - w, R.Left), R.Top, R.Right, R.Bottom}, origin, *src, Sr);
      R.Right -= w;
      break;
  }
}

void PaintMaskedTexture(Bitmap& B, Rect R, int d, const TsMaskData& e, const TCacheInfo& ci) {
  const Bitmap* src = EntrySource(e);
  const int tw = StateWidth(e), th = e.R.Height() / 2;
  if (src == nullptr || tw <= 0 || th <= 0 || R.IsEmpty() || (d != 0 && d != 10)) return;
  const Rect Sr{e.R.Left, e.R.Top, e.R.Left + tw, e.R.Top + th};
  // Mode 10 lays whole tiles only.
  const int right = d == 10 ? R.Left + R.Width() / tw * tw : R.Right;
  const int bottom = d == 10 ? R.Top + R.Height() / th * th : R.Bottom;
  // Only the tiles that reach into B are visited, so a huge R costs nothing.
  const Rect visible = Intersect(Rect{R.Left, R.Top, right, bottom}, Rect{0, 0, B.Width(), B.Height()});
  if (visible.IsEmpty()) return FillUncovered(B, R, right, bottom, d, ci);
  for (long long y = GridStart(visible.Top, R.Top, th); y < visible.Bottom; y += th)
    for (long long x = GridStart(visible.Left, R.Left, tw); x < visible.Right; x += tw) {
      const Rect D{static_cast<int>(x), static_cast<int>(y), static_cast<int>(std::min<long long>(x + tw, right)),
                   static_cast<int>(std::min<long long>(y + th, bottom))};
      CopyMasked(D, Sr, B, e, true, ci, *src);
    }
  FillUncovered(B, R, right, bottom, d, ci);
}

}  // namespace wakespan
