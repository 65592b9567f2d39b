#include "skin/frame/sTitleButtonPaint.h"

#include "skin/paint/sStateGlyph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

namespace {

// TempBmp holds the title strip from W - its width - 1 on.
Point SavedStripPlace(const TsFrameCache& fc, Point inWindow, int captionWidth) {
  return Point{inWindow.X - (captionWidth - fc.TempBmp.Width() - 1), inWindow.Y};
}

}  // namespace

Bitmap MakeTitleFadeImage(const TsFrameCache& fc, const TsSkinModel& m, const TsCaptionButton& button,
                          int captionWidth) {
  const Rect& r = button.R;
  if (!m.IsValidImgIndex(button.ImageIndex) || r.IsEmpty() || !Bitmap::IsAcceptableSize(r.Width(), r.Height()))
    return Bitmap();
  Bitmap image(r.Width(), r.Height(), PixelFormat::Bgra32);
  if (!fc.TempBmp.IsEmpty()) {
    const Point from = SavedStripPlace(fc, Point{r.Left, r.Top}, captionWidth);
    CopyBlock(image, 0, 0, r.Width(), r.Height(), fc.TempBmp, from.X, from.Y);
  } else if (fc.Data.FCacheBmp) {
    CopyBlock(image, 0, 0, r.Width(), r.Height(), *fc.Data.FCacheBmp, r.Left, r.Top);
  }
  PaintStateGlyph(image, Point{}, button.State, CacheInfoOfBitmap(&image, 0, 0), m.ma[size_t(button.ImageIndex)],
                  kGlyphNormal);
  for (int y = 0; y < image.Height(); ++y) {
    uint8_t* p = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) p[x * 4 + 3] = 255;
  }
  return image;
}

Rect PaintTitleButtonDirect(TsFrameCache& fc, const TsSkinModel& m, const TsButtonRepaint& r, int state) {
  if (r.How != TsButtonRepaint::Way::Direct || !fc.Data.FCacheBmp || !m.IsValidImgIndex(r.ImageIndex)) return Rect{};
  Bitmap& cache = *fc.Data.FCacheBmp;
  const Rect where = Intersect(r.Where, Rect{0, 0, cache.Width(), cache.Height()});
  if (where.IsEmpty()) return Rect{};
  CopyBlock(cache, where.Left, where.Top, where.Width(), where.Height(), fc.TempBmp, r.TempBmpSource.X,
            r.TempBmpSource.Y);
  PaintStateGlyph(cache, Point{r.Where.Left, r.Where.Top}, state, CacheInfoOfBitmap(&cache, 0, 0),
                  m.ma[size_t(r.ImageIndex)], r.GlyphMode);
  return where;
}

}  // namespace wakespan
