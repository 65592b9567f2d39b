#include "skin/paint/sBorderImage.h"

#include <algorithm>

#include "skin/data/sSkinProps.h"
#include "skin/paint/sCachedStretch.h"
#include "skin/paint/sTexture.h"
#include "skin/pixels/sAlphaGraph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

// Margins of one axis wider than the target give up half their excess each;
// for an odd size the far one gives up one more.
void FitMargins(int size, int& nearSide, int& farSide) {
  if (size >= nearSide + farSide) return;
  const int excess = (nearSide + farSide - size) / 2;
  nearSide -= excess;
  farSide -= excess;
  if (size % 2 != 0) --farSide;
  nearSide = std::max(nearSide, 0);
  farSide = std::max(farSide, 0);
}

enum class PartKind { Corner, Edge, Centre };

struct Part {
  PartKind kind;
  Rect src;  // in the entry's bitmap
  Rect dst;  // in B
};

Rect At(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

// Lays copies of `src` from dst's top-left at steps of src's size, the last
// ones cut to dst; copy(tileDst, tileSrc) gets rectangles of equal size.
// Tiles wholly outside `bounds` are skipped.
template <typename Copy>
void Tile(const Rect& dst, const Rect& src, const Rect& bounds, Copy copy) {
  const int sw = src.Width(), sh = src.Height();
  if (sw <= 0 || sh <= 0 || dst.IsEmpty()) return;
  const auto first = [](int start, int visible, int step) {
    return visible > start ? start + static_cast<long long>(visible - start) / step * step : start;
  };
  const long long right = std::min(dst.Right, bounds.Right), bottom = std::min(dst.Bottom, bounds.Bottom);
  for (long long y = first(dst.Top, bounds.Top, sh); y < bottom; y += sh) {
    const int th = static_cast<int>(std::min<long long>(sh, dst.Bottom - y));
    for (long long x = first(dst.Left, bounds.Left, sw); x < right; x += sw) {
      const int tw = static_cast<int>(std::min<long long>(sw, dst.Right - x));
      copy(At(static_cast<int>(x), static_cast<int>(y), tw, th), At(src.Left, src.Top, tw, th));
    }
  }
}

// The three bands of R that a border's edges and centre cover, as
// copy(band, its top-left in a result of R's size): the top and bottom
// edges between their corners, and the middle rows whole.
template <typename Copy>
void ForEachBand(const Rect& R, int l, int t, int r, int b, Copy copy) {
  const int w = R.Width(), h = R.Height();
  copy(At(R.Left + l, R.Top, w - l - r, t), Point{l, 0});
  copy(At(R.Left, R.Top + t, w, h - t - b), Point{0, t});
  copy(At(R.Left + l, R.Bottom - b, w - l - r, b), Point{l, h - b});
}

Rect RelativeTo(const Rect& d, const Rect& R) {
  return Rect{d.Left - R.Left, d.Top - R.Top, d.Right - R.Left, d.Bottom - R.Top};
}

// Edges and centre of a stretched border from one kept result of R's size.
// False when there is no such result; the parts are then painted one by one.
bool CopyComposedStretch(Bitmap& B, const Rect& R, const Part (&parts)[9], const Rect& state, int l, int t,
                         int r, int b, const Bitmap& source, StretchCache& cache) {
  StretchPart pieces[5];
  int count = 0;
  for (const Part& part : parts)
    if (part.kind != PartKind::Corner) pieces[count++] = StretchPart{part.src, RelativeTo(part.dst, R)};
  const Bitmap* composed = StretchPartsCached(source, state, R.Width(), R.Height(), B.Format(), pieces, count, cache);
  if (composed == nullptr) return false;
  ForEachBand(R, l, t, r, b, [&](const Rect& band, Point at) {
    CopyBlock(B, band.Left, band.Top, band.Width(), band.Height(), *composed, at.X, at.Y);
  });
  return true;
}

// A masked border's edges and centre tiled once into a result of R's size,
// image rows above mask rows, kept in the entry's cache. Null when a part
// would read outside the image or its mask (the part-by-part copy leaves
// such pixels as they are), or over the cache's budget.
const Bitmap* MaskedPartsKept(const TsMaskData& e, const Bitmap& source, const Rect& state, const Rect& R,
                              const Part (&parts)[9]) {
  const int maskOffset = e.R.Height() / 2;
  const Rect image{0, 0, source.Width(), source.Height() - maskOffset};
  for (const Part& part : parts)
    if (part.kind != PartKind::Corner && !part.dst.IsEmpty() &&
        (part.src.IsEmpty() || Intersect(part.src, image) != part.src))
      return nullptr;
  StretchCache::Key key{nullptr, &source, state, R.Width(), R.Height() * 2, PixelFormat::Bgr24};
  key.What = StretchCache::Key::Content::MaskedParts;
  if (const Bitmap* kept = e.Stretched.Find(key)) return kept;
  Bitmap* fresh = e.Stretched.Add(key);
  if (fresh == nullptr) return nullptr;
  const Rect all{0, 0, R.Width(), R.Height()};
  for (const Part& part : parts) {
    if (part.kind == PartKind::Corner) continue;
    Tile(RelativeTo(part.dst, R), part.src, all, [&](const Rect& d, const Rect& s) {
      CopyBlock(*fresh, d.Left, d.Top, d.Width(), d.Height(), source, s.Left, s.Top);
      CopyBlock(*fresh, d.Left, d.Top + R.Height(), d.Width(), d.Height(), source, s.Left, s.Top + maskOffset);
    });
  }
  return fresh;
}

// Edges and centre of a masked border in one masked copy per band.
bool CopyComposedMasked(Bitmap& B, const Rect& R, const Part (&parts)[9], const Rect& state, int l, int t,
                        int r, int b, const TsMaskData& e, const Bitmap& source) {
  if (B.Format() != PixelFormat::Bgr24 || source.Format() != PixelFormat::Bgr24 || &B == &source) return false;
  const Bitmap* composed = MaskedPartsKept(e, source, state, R, parts);
  if (composed == nullptr) return false;
  const TCacheInfo keepKeys;
  ForEachBand(R, l, t, r, b, [&](const Rect& band, Point at) {
    CopyMaskedAt(band, At(at.X, at.Y, band.Width(), band.Height()), B, R.Height(), false, keepKeys, *composed);
  });
  return true;
}

}  // namespace

int StateIndex(const TsMaskData& e, int state) { return std::max(0, std::min(state, e.ImageCount - 1)); }

void PaintBorderImage(Bitmap& B, Rect R, bool filling, const TCacheInfo& ci, const TsMaskData& e,
                      int state, bool updateCorners) {
  const long long W = static_cast<long long>(R.Right) - R.Left;
  const long long H = static_cast<long long>(R.Bottom) - R.Top;
  if ((state == 0 && (e.DrawMode & kBorderSkipNormal)) || W < 2 || H < 2 || e.Manager == nullptr) return;
  // Only rectangles that fit a bitmap are painted, so the sums below stay small.
  if (W > Bitmap::kMaxDimension || H > Bitmap::kMaxDimension) return;
  int l = std::max<int>(e.WL, 0), t = std::max<int>(e.WT, 0), r = std::max<int>(e.WR, 0),
      b = std::max<int>(e.WB, 0);
  FitMargins(static_cast<int>(W), l, r);
  FitMargins(static_cast<int>(H), t, b);
  const Bitmap* source = EntrySource(e);
  if (e.ImageCount == 0 || source == nullptr) return;
  const int sw = StateWidth(e), sh = StateHeight(e);
  const int mw = std::max(sw - l - r, 0), mh = std::max(sh - t - b, 0);
  const int x0 = e.R.Left + StateIndex(e, state) * sw, y0 = e.R.Top;
  const int yb = y0 + sh - b;  // first source row of the bottom parts
  const int xr = x0 + l + mw;  // first source column of the right parts
  const int innerW = R.Width() - l - r, innerH = R.Height() - t - b;
  const Part parts[] = {
      {PartKind::Corner, At(x0, y0, l, t), At(R.Left, R.Top, l, t)},
      {PartKind::Edge, At(x0, y0 + t, l, mh), At(R.Left, R.Top + t, l, innerH)},
      {PartKind::Edge, At(x0 + l, y0, mw, t), At(R.Left + l, R.Top, innerW, t)},
      {PartKind::Corner, At(x0, yb, l, b), At(R.Left, R.Bottom - b, l, b)},
      {PartKind::Edge, At(x0 + l, yb, mw, b), At(R.Left + l, R.Bottom - b, innerW, b)},
      {PartKind::Corner, At(xr, yb, r, b), At(R.Right - r, R.Bottom - b, r, b)},
      {PartKind::Corner, At(xr, y0, r, t), At(R.Right - r, R.Top, r, t)},
      {PartKind::Edge, At(xr, y0 + t, r, mh), At(R.Right - r, R.Top + t, r, innerH)},
      {PartKind::Centre, At(x0 + l, y0 + t, mw, mh), At(R.Left + l, R.Top + t, innerW, innerH)},
  };
  const bool masked = e.MaskType != 0;
  const bool stretch = !masked && (e.DrawMode & kBorderStretch);
  const TCacheInfo keepKeys;  // edges and centre never take parent pixels
  const Rect bounds{0, 0, B.Width(), B.Height()};
  const bool centre = filling && (e.DrawMode & kBorderPaintCentre);
  const Rect stateRect = At(x0, y0, sw, sh);
  const bool composed =
      centre && ((stretch && CopyComposedStretch(B, R, parts, stateRect, l, t, r, b, *source, e.Stretched)) ||
                 (masked && CopyComposedMasked(B, R, parts, stateRect, l, t, r, b, e, *source)));
  for (const Part& part : parts) {
    if (part.kind == PartKind::Centre && !centre) continue;
    if (composed && part.kind != PartKind::Corner) continue;
    if (part.kind == PartKind::Corner) {
      if (masked) {
        CopyMasked(part.dst, part.src, B, e, updateCorners, ci, *source);
      } else {
        const Rect inclusive{part.src.Left, part.src.Top, part.src.Right - 1, part.src.Bottom - 1};
        if (!part.src.IsEmpty())
          CopyKeyed(B, *source, part.dst.Left, part.dst.Top, updateCorners, ci, kSkinKeyColor, inclusive);
      }
    } else if (masked) {
      if (CopyMaskedTiled(part.dst, part.src, B, e, keepKeys, *source)) continue;
      Tile(part.dst, part.src, bounds, [&](const Rect& d, const Rect& s) { CopyMasked(d, s, B, e, false, keepKeys, *source); });
    } else if (stretch) {
      if (!part.src.IsEmpty()) StretchHalftoneCached(B, part.dst, *source, part.src, e.Stretched);
    } else {
      Tile(part.dst, part.src, bounds, [&](const Rect& d, const Rect& s) {
        CopyBlock(B, d.Left, d.Top, d.Width(), d.Height(), *source, s.Left, s.Top);
      });
    }
  }
}

}  // namespace wakespan
