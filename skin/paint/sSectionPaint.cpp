#include "skin/paint/sSectionPaint.h"

#include <algorithm>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sBorderImage.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sStateGlyph.h"
#include "skin/paint/sTexture.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

int Percent(int value) { return std::clamp(value, 0, 100); }

// A percentage as the alpha byte of BlendWithAlpha: p * 255 div 100.
uint8_t AlphaOfPercent(int p) { return static_cast<uint8_t>(Percent(p) * 255 / 100); }

bool FitsIn(const Rect& R, const Bitmap& B) {
  return !R.IsEmpty() && R.Left >= 0 && R.Top >= 0 && R.Right <= B.Width() && R.Bottom <= B.Height();
}

TCacheInfo Shifted(TCacheInfo ci, int dx, int dy) {
  ci.X += dx;
  ci.Y += dy;
  return ci;
}

// What lies behind R: the parent's block of R's size at (ci.X + pP.X,
// ci.Y + pP.Y) when its bitmap is ready (already there when B is that
// bitmap), else its plain colour.
void PutBackground(Bitmap& B, const Rect& R, const TCacheInfo& ci, Point pP) {
  if (!ci.Ready) {
    FillRectColor(B, R, ci.FillColor);
  } else if (ci.Bmp != nullptr && ci.Bmp != &B) {
    CopyBlock(B, R.Left, R.Top, R.Width(), R.Height(), *ci.Bmp, ci.X + pP.X, ci.Y + pP.Y);
  }
}

// Paints the texture of `fill` into R; false when there is none to paint.
bool PaintFillTexture(Bitmap& B, const Rect& R, const TsFillChoice& fill, const TsSkinManager& M,
                      const TCacheInfo& ci) {
  if (fill.IsPattern) {
    if (fill.Texture < 0 || fill.Texture >= int(M.pa.size()) || !M.pa[size_t(fill.Texture)].Img) return false;
    const Bitmap& img = *M.pa[size_t(fill.Texture)].Img;
    TileImage(B, R, Point{R.Left, R.Top}, img, Rect{0, 0, img.Width(), img.Height()});
    return true;
  }
  if (!M.IsValidImgIndex(fill.Texture)) return false;
  const TsMaskData& e = M.ma[size_t(fill.Texture)];
  Rect rest = R;
  PaintTexture(B, rest, nullptr, e.DrawMode, e, ci);
  if (rest != kCoveredRect) FillRectColor(B, rest, uint32_t(fill.Color));
  return true;
}

void PaintGradientOrColor(Bitmap& B, const Rect& R, const TsFillChoice& fill) {
  if (fill.Gradient != nullptr && !fill.Gradient->empty()) {
    PaintGradient(B, R, *fill.Gradient);
  } else {
    FillRectColor(B, R, uint32_t(fill.Color));
  }
}

// The four corner images of section g at the corners of R, each placed by
// its own state size, over what B already shows.
void PaintCorners(const TsSkinManager& M, const TsGeneralData& g, Bitmap& B, const Rect& R, int S) {
  const TCacheInfo self = CacheInfoOfBitmap(&B, 0, 0);
  const struct {
    int index;
    bool right, bottom;
  } corners[] = {{g.ImgTL, false, false}, {g.ImgTR, true, false}, {g.ImgBL, false, true}, {g.ImgBR, true, true}};
  for (const auto& c : corners) {
    if (!M.IsValidImgIndex(c.index)) continue;
    const TsMaskData& e = M.ma[size_t(c.index)];
    const Point at{c.right ? R.Right - StateWidth(e) : R.Left, c.bottom ? R.Bottom - StateHeight(e) : R.Top};
    PaintStateGlyph(B, at, S, self, e, kGlyphNormal);
  }
}

}  // namespace

TsFillChoice ChooseFill(const TsSkinManager& M, int k, std::string_view name, TColor customColor,
                        int hotTexture, int texture, int S) {
  TsFillChoice f;
  if (customColor != kSkinColor) {
    f.Color = ColorToRGB(customColor);
    return f;
  }
  const TsGeneralData& g = M.gd[size_t(k)];
  const bool hot = S != 0;
  // The hot colour is kept as written in the skin, so it may name a system colour.
  f.Color = ColorToRGB(hot ? g.HotColor : g.Color);
  f.Transparency = Percent(hot ? g.HotTransparency : g.Transparency);
  f.ImagePercent = Percent(hot ? g.HotImagePercent : g.ImagePercent);
  f.GradientPercent = Percent(hot ? g.HotGradientPercent : g.GradientPercent);
  f.Gradient = hot ? &g.HotGradientArray : &g.GradientArray;
  if (f.Transparency == 100 || f.ImagePercent == 0) return f;
  const char* key = hot ? s_HotPattern : s_Pattern;
  const int given = hot ? hotTexture : texture;
  int index = -1;
  if (given == -1) {
    index = M.GetMaskIndex(k, name, key);
  } else if (M.IsValidImgIndex(given) && M.ma[size_t(given)].MaskType == 0) {
    index = given;
  }
  if (!M.IsValidImgIndex(index)) {
    index = M.GetPatternIndex(k, name, key);
    f.IsPattern = index >= 0;
  }
  f.Texture = index;
  return f;
}

void PaintSectionFill(Bitmap& B, Rect R, const TsFillChoice& fill, const TsSkinManager& M,
                      const TCacheInfo& ci) {
  const int ip = fill.ImagePercent, gp = fill.GradientPercent;
  const bool textured = ip > 0 && PaintFillTexture(B, R, fill, M, ci);
  if (gp > 0) {
    if (textured) {
      // The gradient over the texture, which keeps ip per cent.
      Bitmap over(R.Width(), R.Height(), B.Format());
      const Rect all{0, 0, R.Width(), R.Height()};
      PaintGradientOrColor(over, all, fill);
      BlendWithAlpha(B, over, AlphaOfPercent(ip), Point{R.Left, R.Top}, all);
    } else {
      PaintGradientOrColor(B, R, fill);
    }
  }
  const int painted = ip + gp;
  if (painted == 0) {
    FillRectColor(B, R, uint32_t(fill.Color));
  } else if (painted < 100) {
    TintRect(B, Rect{R.Left, R.Top, R.Right - 1, R.Bottom - 1}, painted, uint32_t(fill.Color));
  }
}

void PaintSectionBackground(int k, std::string_view name, const TCacheInfo& ci, TColor customColor,
                            int hotTexture, int texture, TsSkinManager* M, Bitmap& B, Point pP,
                            Rect R, int S) {
  const TsSkinManager* m = ManagerOrDefault(M);
  if (m == nullptr || !m->IsValidSkinIndex(k) || !FitsIn(R, B)) return;
  const TsFillChoice fill = ChooseFill(*m, k, name, customColor, hotTexture, texture, S);
  const TCacheInfo atItem = Shifted(ci, pP.X, pP.Y);
  const int tr = fill.Transparency;
  const bool backgroundKnown = ci.Ready;
  const bool colorKnown = uint32_t(ci.FillColor) != uint32_t(kSkinColor);
  if ((!backgroundKnown && !colorKnown) || tr == 0) {
    PaintSectionFill(B, R, fill, *m, atItem);
  } else if (tr == 100) {
    PutBackground(B, R, ci, pP);
  } else if (backgroundKnown || fill.ImagePercent + fill.GradientPercent > 0) {
    // The fill aside, then blended over the background so that tr per cent
    // of the background stays.
    Bitmap aside(R.Width(), R.Height(), B.Format());
    const Rect all{0, 0, R.Width(), R.Height()};
    PaintSectionFill(aside, all, fill, *m, Shifted(atItem, R.Left, R.Top));
    PutBackground(B, R, ci, pP);
    BlendWithAlpha(B, aside, AlphaOfPercent(tr), Point{R.Left, R.Top}, all);
  } else {
    FillRectColor(B, R, MixTwoColors(ci.FillColor, uint32_t(fill.Color), tr / 100.0));
  }
  if (S != 0) return;
  const int post = texture != -1 ? texture : hotTexture;
  if (!m->IsValidImgIndex(post)) return;
  const TsMaskData& e = m->ma[size_t(post)];
  if (e.MaskType > 0 && e.DrawMode == 10) PaintMaskedTexture(B, R, 10, e, atItem);
}

void PaintSection(int k, std::string_view name, TCacheInfo ci, bool filling, int S, Rect R, Point pP,
                  Bitmap* B, TsSkinManager* M, int texture, int hotTexture) {
  TsSkinManager* m = ManagerOrDefault(M);
  if (B == nullptr || m == nullptr || !m->IsValidSkinIndex(k) || !FitsIn(R, *B)) return;
  const TsGeneralData& g = m->gd[size_t(k)];
  PaintSectionBackground(k, name, ci, kSkinColor, hotTexture, texture, m, *B, pP, R, S);
  PaintCorners(*m, g, *B, R, S);
  if (m->IsValidImgIndex(g.BorderIndex))
    PaintBorderImage(*B, R, filling, Shifted(ci, pP.X, pP.Y), m->ma[size_t(g.BorderIndex)], S, true);
}

void PaintSection(const TsCommonData& data, TCacheInfo ci, bool filling, int S, Rect R, Point pP,
                  Bitmap* B, bool updateCorners) {
  TsSkinManager* m = data.SkinManager();
  if (B == nullptr || m == nullptr || !m->IsValidSkinIndex(data.SkinIndex) || !FitsIn(R, *B)) return;
  TColor custom = kSkinColor;
  if (data.FCustomColor && data.FOwnerObject != nullptr) custom = ColorToRGB(data.FOwnerObject->OwnColor());
  PaintSectionBackground(data.SkinIndex, data.FSkinSection, ci, custom, data.HotTexture, data.Texture, m, *B,
                         pP, R, S);
  if (m->IsValidImgIndex(data.BorderIndex)) {
    const TsMaskData& e = m->ma[size_t(data.BorderIndex)];
    if (S != 0 || !(e.DrawMode & kBorderSkipNormal))
      PaintBorderImage(*B, R, filling, Shifted(ci, pP.X, pP.Y), e, S, updateCorners);
  }
  PaintCorners(*m, m->gd[size_t(data.SkinIndex)], *B, R, S);
}

void PaintSectionToDC(int k, std::string_view name, const TCacheInfo& ci, TsSkinManager* M,
                      DeviceContext dc, Point pP, Rect R, int S, bool filling) {
  const long long w = static_cast<long long>(R.Right) - R.Left, h = static_cast<long long>(R.Bottom) - R.Top;
  if (R.Left < 0 || R.Top < 0 || !Bitmap::IsAcceptableSize(w, h)) return;
  Bitmap image(R.Width(), R.Height(), PixelFormat::Bgr24);
  PaintSection(k, name, ci, filling, S, Rect{0, 0, R.Width(), R.Height()}, pP, &image, M);
  const DCStateGuard saved(dc);
  PaintPlatform().CopyToDC(dc, R, image);
}

}  // namespace wakespan
