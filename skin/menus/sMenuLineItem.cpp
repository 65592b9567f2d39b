#include "skin/menus/sMenuLineItem.h"

#include "skin/menus/sMenuFormats.h"
#include "skin/menus/sMenuPicture.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"
#include "skin/pixels/sAlphaGraph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

namespace {

using namespace menuformat;

const char kMenuLine[] = "MENULINE";
const char kMenuItem[] = "MENUITEM";
// How much of a disabled item stays over the background.
constexpr uint8_t kDisabledAlpha = 102;
constexpr int kPictureLeft = 3;
constexpr int kPictureGap = 6;

}  // namespace

void PaintMenuLineItem(TsSkinManager& M, Bitmap& B, const Bitmap& lineBmp, Point place, const TsMenuItemData& item,
                       const TsMenuFonts& fonts) {
  if (B.IsEmpty()) return;
  const Rect all{0, 0, B.Width(), B.Height()};
  CopyBlock(B, 0, 0, B.Width(), B.Height(), lineBmp, place.X, place.Y);
  const bool hot = ShownHighlighted(item);
  if (const int k = M.GetSkinIndex(kMenuItem); hot && k >= 0)
    PaintSection(k, kMenuItem, CacheInfoOfBitmap(&lineBmp, place.X, place.Y), true, 1, all, Point{}, &B, &M);
  Rect text = all;
  if (item.Picture) {
    DrawMenuPicture(B, *item.Picture, Point{kPictureLeft, (B.Height() - item.Picture->Height()) / 2});
    text.Left = item.Picture->Width() + kPictureGap;
  }
  {
    BitmapCanvas canvas(B, all, fonts.For(item));
    WriteSkinText(canvas.Dc(), item.Caption, true, &M, hot, M.GetSkinIndex(kMenuLine),
                  kLine | kCenter | (item.HidePrefix ? kHidePrefix : 0), text);
  }
  if (!item.Enabled)
    BlendWithAlpha(B, lineBmp, kDisabledAlpha, Point{},
                   Rect{place.X, place.Y, place.X + B.Width(), place.Y + B.Height()});
}

Bitmap PaintMenuLineStrip(TsSkinManager& M, Size size) {
  Bitmap strip(size.Width, size.Height, PixelFormat::Bgr24);
  const int k = M.GetSkinIndex(kMenuLine);
  if (k >= 0 && !strip.IsEmpty())
    PaintSection(k, kMenuLine, TCacheInfo{}, true, 0, Rect{0, 0, size.Width, size.Height}, Point{}, &strip, &M);
  return strip;
}

}  // namespace wakespan
