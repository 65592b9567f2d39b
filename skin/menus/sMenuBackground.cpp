// A popup menu's background, painted once per open menu and reused by
// every item: the "MAINMENU" fill, the picture column, the frame and the
// extra line; and the rectangles its window region leaves out.
#include <algorithm>

#include "skin/menus/sSkinMenus.h"
#include "skin/paint/sBorderImage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

namespace {

constexpr uint32_t kKeyColor = 0xFF00FF;
const char kMainMenu[] = "MAINMENU";

// The state-0 image of a border entry and where it lies in its bitmap.
struct BorderImage {
  const Bitmap* Bmp = nullptr;
  Rect R;  // one state, the image rows only
};

BorderImage StateZero(const TsSkinManager& M, const TsMaskData& e) {
  const Bitmap* bmp = e.Bmp ? e.Bmp.get() : M.MasterBitmap.get();
  if (!bmp) return {};
  const Rect r{e.R.Left, e.R.Top, e.R.Left + StateWidth(e), e.R.Top + StateHeight(e)};
  if (r.IsEmpty() || r.Right > bmp->Width() || r.Bottom > bmp->Height() || r.Left < 0 || r.Top < 0) return {};
  return BorderImage{bmp, r};
}

// Every run of key pixels in columns [from, to) of image row `row`, as
// one-pixel-high rectangles moved by (dx, dy) into the window.
void AddKeyRuns(const BorderImage& image, int row, int from, int to, int dx, int dy, std::vector<Rect>& out) {
  int start = -1;
  for (int x = from; x <= to; ++x) {
    const bool key = x < to && (image.Bmp->Pixel(image.R.Left + x, image.R.Top + row) & 0xFFFFFF) == kKeyColor;
    if (key && start < 0) start = x;
    if (!key && start >= 0) {
      out.push_back(Rect{start + dx, row + dy, x + dx, row + dy + 1});
      start = -1;
    }
  }
}

// Paints section `name` into a strip of R's size over the background and
// copies the strip there.
void PaintStrip(TsSkinManager& M, Bitmap& bg, std::string_view name, Rect R) {
  const int k = M.GetSkinIndex(name);
  if (k < 0 || R.IsEmpty()) return;
  Bitmap strip(R.Width(), R.Height(), PixelFormat::Bgr24);
  PaintSection(k, name, CacheInfoOfBitmap(&bg, R.Left, R.Top), true, 0, Rect{0, 0, R.Width(), R.Height()},
               Point{}, &strip, &M);
  CopyBlock(bg, R.Left, R.Top, R.Width(), R.Height(), strip, 0, 0);
}

}  // namespace

std::vector<Rect> MenuRegionCutouts(const TsSkinManager& M, const TsMaskData& e, Size window) {
  std::vector<Rect> cutouts;
  const BorderImage image = StateZero(M, e);
  if (!image.Bmp) return cutouts;
  const int w = image.R.Width(), h = image.R.Height();
  const int wl = std::clamp<int>(e.WL, 0, w), wr = std::clamp<int>(e.WR, 0, w);
  const int wt = std::clamp<int>(e.WT, 0, h), wb = std::clamp<int>(e.WB, 0, h);
  for (int row = 0; row < wt; ++row) {
    AddKeyRuns(image, row, 0, wl, 0, 0, cutouts);
    AddKeyRuns(image, row, w - wr, w, window.Width - w, 0, cutouts);
  }
  for (int row = h - wb; row < h; ++row) {
    AddKeyRuns(image, row, 0, wl, 0, window.Height - h, cutouts);
    AddKeyRuns(image, row, w - wr, w, window.Width - w, window.Height - h, cutouts);
  }
  return cutouts;
}

int TsSkinableMenus::GetSkinBorderWidth() {
  if (skinBorderWidth_ >= 0) return skinBorderWidth_;
  const int k = owner_.GetSkinIndex(kMainMenu);
  const int index = k >= 0 ? owner_.gd[size_t(k)].BorderIndex : -1;
  if (!owner_.IsValidImgIndex(index)) return skinBorderWidth_ = 0;
  const int width = owner_.ma[size_t(index)].BorderWidth;
  return skinBorderWidth_ = width > 0 ? width : 3;
}

TacExtraLineData TsSkinableMenus::ExtraLineData(const void* firstItem) const {
  TacExtraLineData data;
  // The event may look at the menu, which must not ask for the data again.
  static bool asking = false;
  if (OnGetExtraLineData && !asking) {
    asking = true;
    OnGetExtraLineData(firstItem, data);
    asking = false;
  }
  data.Caption.erase(std::remove(data.Caption.begin(), data.Caption.end(), u'&'), data.Caption.end());
  return data;
}

bool TsSkinableMenus::HasExtraLine(const void* firstItem) const {
  if (const TacMenuInfo* menu = FindMenu(firstItem)) return menu->HaveExtraLine;
  return owner_.MenuSupport.UseExtraLine && ExtraLineData(firstItem).LineVisible;
}

const TacMenuInfo* TsSkinableMenus::FindMenu(const void* firstItem) const {
  for (const TacMenuInfo& menu : cache_)
    if (menu.FirstItem == firstItem) return &menu;
  return nullptr;
}

const TacMenuInfo* TsSkinableMenus::FindMenuOfWindow(uintptr_t wnd) const {
  for (const TacMenuInfo& menu : cache_)
    if (wnd && menu.Wnd == wnd) return &menu;
  return nullptr;
}

const TacMenuInfo& TsSkinableMenus::GetMenuInfo(const void* firstItem, Size size, uintptr_t wnd, Size firstPicture) {
  if (const TacMenuInfo* menu = FindMenu(firstItem)) return *menu;
  cache_.push_back(PrepareMenuBG(firstItem, size, wnd, firstPicture));
  return cache_.back();
}

TacMenuInfo TsSkinableMenus::PrepareMenuBG(const void* firstItem, Size size, uintptr_t wnd, Size firstPicture) {
  TacMenuInfo menu;
  menu.FirstItem = firstItem;
  menu.Wnd = wnd;
  const TacExtraLineData extra = ExtraLineData(firstItem);
  menu.HaveExtraLine = owner_.MenuSupport.UseExtraLine && extra.LineVisible;
  menu.Bmp = Bitmap(size.Width, size.Height, PixelFormat::Bgr24);
  icoLineWidth_ = Margin + firstPicture.Width + Spacing;
  skinBorderWidth_ = -1;
  const int k = owner_.GetSkinIndex(kMainMenu);
  if (k < 0 || menu.Bmp.IsEmpty()) return menu;

  Bitmap& bg = menu.Bmp;
  const Rect all{0, 0, size.Width, size.Height};
  PaintSectionBackground(k, kMainMenu, TCacheInfo{}, kSkinColor, -1, -1, &owner_, bg, Point{}, all, 0);
  const int border = GetSkinBorderWidth();
  const int extraWidth = ExtraWidth(&menu);
  PaintStrip(owner_, bg, owner_.MenuSupport.IcoLineSkin,
             Rect{extraWidth + border, border, extraWidth + border + icoLineWidth_, size.Height - border});
  const int borderIndex = owner_.gd[size_t(k)].BorderIndex;
  if (owner_.IsValidImgIndex(borderIndex)) {
    const TsMaskData& e = owner_.ma[size_t(borderIndex)];
    PaintBorderImage(bg, all, false, CacheInfoOfBitmap(&bg, 0, 0), e, 0, false);
    menu.ArOR = MenuRegionCutouts(owner_, e, size);
  }
  // The band's section only; its turned caption needs a platform font.
  if (menu.HaveExtraLine)
    PaintStrip(owner_, bg, extra.SkinSection,
               Rect{border, border, border + owner_.MenuSupport.ExtraLineWidth, size.Height - border});
  return menu;
}

std::vector<Rect> TsSkinableMenus::FrameBesideItem(const TacMenuInfo& menu, Rect itemRect, Size window,
                                                   bool firstVisible, bool lastVisible) {
  std::vector<Rect> parts;
  if (firstVisible) parts.push_back(Rect{0, 0, window.Width, BorderWidth});
  if (lastVisible) parts.push_back(Rect{0, window.Height - BorderWidth, window.Width, window.Height});
  const int left = std::max(GetSkinBorderWidth(), BorderWidth) + ExtraWidth(&menu);
  parts.push_back(Rect{0, itemRect.Top, left, itemRect.Bottom});
  parts.push_back(Rect{window.Width - BorderWidth, itemRect.Top, window.Width, itemRect.Bottom});
  std::vector<Rect> visible;
  for (const Rect& r : parts)
    if (!r.IsEmpty()) visible.push_back(r);
  return visible;
}

}  // namespace wakespan
