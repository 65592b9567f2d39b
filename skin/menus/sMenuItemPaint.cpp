// Popup items painted into their own bitmaps over the menu's background:
// normal items, dividers and headings.
#include <algorithm>

#include "skin/menus/sMenuFormats.h"
#include "skin/menus/sMenuPicture.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/paint/sBorderImage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"
#include "skin/paint/sStateGlyph.h"
#include "skin/pixels/sAlphaGraph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

namespace {

using namespace menuformat;

constexpr uint32_t kKeyColor = 0xFF00FF;
// A disabled item keeps this much of itself over the background.
constexpr double kDisabledFraction = 0.4;
// The shortcut ends this far before the item's right edge.
constexpr int kShortCutGap = 8;
// A caption starting with a backspace is right-aligned, these blanks after it.
const char16_t kRightAlignedTail[] = u"      ";
constexpr int kHighlighted = 1;
constexpr int kPressed = 2;

// Section `name` painted in `state` into R of B, B itself being the parent.
void PaintOver(TsSkinManager& M, Bitmap& B, std::string_view name, int state, Rect R) {
  const int k = M.GetSkinIndex(name);
  if (k < 0) return;
  R = Intersect(R, Rect{0, 0, B.Width(), B.Height()});
  if (R.IsEmpty()) return;
  Bitmap part(R.Width(), R.Height(), PixelFormat::Bgr24);
  CopyBlock(part, 0, 0, R.Width(), R.Height(), B, R.Left, R.Top);
  PaintSection(k, name, CacheInfoOfBitmap(&B, R.Left, R.Top), true, state, Rect{0, 0, R.Width(), R.Height()},
               Point{}, &part, &M);
  CopyBlock(B, R.Left, R.Top, R.Width(), R.Height(), part, 0, 0);
}

// The check mark of a checked item without picture.
void PaintCheckMark(TsSkinManager& M, Bitmap& B, const TsMenuItemData& item, int margin) {
  int index = M.GetMaskIndex("GLOBALINFO", item.Radio ? "RADIOCHECKED" : "CHECK");
  if (index < 0) index = M.GetMaskIndex("GLOBALINFO", "BOXCHECKED");
  if (!M.IsValidImgIndex(index)) return;
  const TsMaskData& e = M.ma[size_t(index)];
  const Point at{margin, (B.Height() - StateHeight(e)) / 2};
  PaintStateGlyph(B, at, item.Enabled && item.Selected ? kHighlighted : 0, CacheInfoOfBitmap(&B, 0, 0), e,
                  kGlyphNormal);
}

void PaintPicture(TsSkinManager& M, Bitmap& B, const TsMenuItemData& item) {
  const Bitmap& picture = *item.Picture;
  const int x = (B.Height() - picture.Height()) / 2;
  const Rect frame{x - 1, x - 1, x + picture.Width() + 1, x + picture.Height() + 1};
  if (item.Checked) PaintOver(M, B, "SPEEDBUTTON_SMALL", kPressed, frame);
  DrawMenuPicture(B, picture, Point{x, x});
}

uint32_t AlignmentFormat(TsMenuAlignment alignment) {
  static constexpr uint32_t kFormats[] = {0, kRight, kCenter};
  return kFormats[static_cast<int>(alignment)];
}

// The section whose colours write the text: "MENUITEM", else the menu's own.
int TextSection(const TsSkinManager& M) {
  const int k = M.GetSkinIndex("MENUITEM");
  return k >= 0 ? k : M.GetSkinIndex("MAINMENU");
}

}  // namespace

Bitmap TsSkinableMenus::DrawItem(const TsMenuItemData& item, const TacMenuInfo& menu, Rect itemRect,
                                 const TsMenuFonts& fonts) {
  const int extra = item.FirstColumn ? ExtraWidth(&menu) : 0;
  Bitmap B(itemRect.Width() - extra, itemRect.Height(), PixelFormat::Bgr24);
  if (B.IsEmpty()) return B;
  const Point place{itemRect.Left + extra, itemRect.Top};
  CopyBlock(B, 0, 0, B.Width(), B.Height(), menu.Bmp, place.X, place.Y);
  switch (item.Kind) {
    case TsMenuItemType::smDivider: DrawDivider(B); break;
    case TsMenuItemType::smCaption: DrawCaptionItem(B, item, fonts); break;
    default: DrawNormalItem(B, item, menu, place, fonts); break;
  }
  return B;
}

void TsSkinableMenus::DrawNormalItem(Bitmap& B, const TsMenuItemData& item, const TacMenuInfo& menu, Point place,
                                     const TsMenuFonts& fonts) {
  const Rect all{0, 0, B.Width(), B.Height()};
  const int k = owner_.GetSkinIndex("MENUITEM");
  if (k >= 0)
    PaintSection(k, "MENUITEM", CacheInfoOfBitmap(&menu.Bmp, place.X, place.Y), true,
                 item.Enabled && item.Selected ? kHighlighted : 0, all, Point{}, &B, &owner_);
  if (item.Picture)
    PaintPicture(owner_, B, item);
  else if (item.Checked)
    PaintCheckMark(owner_, B, item, Margin);

  std::u16string caption = item.Caption;
  uint32_t align = AlignmentFormat(Alignment);
  if (!caption.empty() && caption.front() == u'\b') {
    caption = caption.substr(1) + kRightAlignedTail;
    align = kRight;
  }
  Rect text{TextLeft(item), 0, B.Width(), B.Height()};
  if (item.RightToLeft) {
    text.Right -= ExtraWidth(&menu);
    align = kRight | kRtlReading;
  }
  const uint32_t format = kLine | (item.HidePrefix ? kHidePrefix : 0);
  const bool hot = ShownHighlighted(item);
  const int colours = TextSection(owner_);
  {
    BitmapCanvas canvas(B, all, fonts.For(item));
    WriteSkinText(canvas.Dc(), caption, true, &owner_, hot, colours, format | align, text);
    if (!item.ShortCut.empty())
      WriteSkinText(canvas.Dc(), item.ShortCut, true, &owner_, hot, colours, format | kRight,
                    Rect{TextLeft(item), 0, B.Width() - kShortCutGap, B.Height()});
  }
  if (OnDrawItem) OnDrawItem(item, B, all, TsMenuItemType::smNormal);
  if (!item.Enabled)
    BlendPercent(B, 0, 0, kKeyColor, kDisabledFraction,
                 Rect{place.X, place.Y, place.X + B.Width() - 1, place.Y + B.Height() - 1}, menu.Bmp);
}

void TsSkinableMenus::DrawDivider(Bitmap& B) {
  const int k = owner_.GetSkinIndex("DIVIDERV");
  const int index = k >= 0 ? owner_.GetMaskIndex(k, "DIVIDERV", "BORDERSMASK") : -1;
  if (!owner_.IsValidImgIndex(index)) {
    // A sunken line: grey above and left, white below and right.
    const int w = B.Width(), h = B.Height();
    FillRectColor(B, Rect{0, 0, w, 1}, 0x808080);
    FillRectColor(B, Rect{0, 0, 1, h}, 0x808080);
    FillRectColor(B, Rect{0, h - 1, w, h}, 0xFFFFFF);
    FillRectColor(B, Rect{w - 1, 0, w, h}, 0xFFFFFF);
    return;
  }
  // The line starts right of the picture column.
  int left = Margin + Spacing;
  if (left < icoLineWidth_) left = icoLineWidth_ + 2;
  PaintBorderImage(B, Rect{left, 0, B.Width() - Margin, B.Height()}, false, CacheInfoOfBitmap(&B, 0, 0),
                   owner_.ma[size_t(index)], 0, false);
}

void TsSkinableMenus::DrawCaptionItem(Bitmap& B, const TsMenuItemData& item, const TsMenuFonts& fonts) {
  PaintOver(owner_, B, "TOOLBAR", 0, Rect{1, 1, B.Width() - 1, B.Height() - 1});
  // The text between the hyphens.
  const size_t start = item.Caption.find_first_not_of(u'-');
  std::u16string text;
  if (start != std::u16string::npos) text = item.Caption.substr(start, item.Caption.find(u'-', start) - start);
  BitmapCanvas canvas(B, Rect{0, 0, B.Width(), B.Height()}, fonts.Caption);
  WriteSkinText(canvas.Dc(), text, true, &owner_, false, owner_.GetSkinIndex("TOOLBAR"), kLine | kCenter | kHidePrefix,
                Rect{0, 0, B.Width(), B.Height()});
}

}  // namespace wakespan
