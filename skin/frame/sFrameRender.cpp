#include "skin/frame/sFrameRender.h"

#include <memory>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sTitleText.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sBorderImage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"
#include "skin/paint/sStateGlyph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

namespace {

// Single line, vertically centred, no prefix, end ellipsis.
constexpr uint32_t kCaptionFormat = 0x8824;
constexpr uint32_t kMeasureFormat = 0x0820;  // single line, no prefix
constexpr int kMaxPlainBorder = 30;

TCacheInfo NoParent() {
  TCacheInfo ci;
  ci.FillColor = kSkinColor;
  return ci;
}

bool HasAnyTitleButton(const TsTitleButtonRules& r) { return r.HaveSysMenu || r.ShowMax || r.ShowMin || r.ShowHelp; }

// A section with no transparency, gradient or image and a narrow border:
// the client part needs no painting.
bool IsPlainColorSection(const TsSkinManager& m, int k) {
  const TsGeneralData& g = m.gd[size_t(k)];
  if (g.Transparency != 0 || g.GradientPercent != 0 || g.ImagePercent != 0) return false;
  if (!m.IsValidImgIndex(g.BorderIndex)) return true;
  const TsMaskData& e = m.ma[size_t(g.BorderIndex)];
  return e.WL + e.WR <= kMaxPlainBorder && e.WT + e.WB <= kMaxPlainBorder;
}

void EnsureSize(Bitmap& bitmap, int width, int height) {
  if (bitmap.Width() != width || bitmap.Height() != height) bitmap = Bitmap(width, height, PixelFormat::Bgr24);
}

void PaintGrip(Bitmap& cache, const TsSkinManager& m, int F) {
  const int global = m.GetSkinIndex(s_GlobalInfo);
  const int image = m.GetMaskIndex(global, s_GlobalInfo, s_GripImage);
  if (!m.IsValidImgIndex(image)) return;
  const TsMaskData& e = m.ma[size_t(image)];
  const Size grip{StateWidth(e), StateHeight(e)};
  const Point at = GripPosition(Size{cache.Width(), cache.Height()}, grip, F);
  Bitmap under(grip.Width, grip.Height, PixelFormat::Bgr24);
  CopyBlock(under, 0, 0, grip.Width, grip.Height, cache, at.X, at.Y);
  PaintStateGlyph(under, Point{}, 0, CacheInfoOfBitmap(&under, 0, 0), e, kGlyphNormal);
  CopyBlock(cache, at.X, at.Y, grip.Width, grip.Height, under, 0, 0);
}

class FrameRenderer {
 public:
  FrameRenderer(TsFrameCache& fc, const TsFrameScene& scene, TsSkinManager& m)
      : fc_(fc), s_(scene), w_(scene.Window), m_(m), cache_(*fc.Data.FCacheBmp) {
    W_ = CaptionWidth(w_);
    H_ = FrameCacheHeight(w_);
    F_ = FrameWidth(w_);
    c_ = CaptionHeight(w_);
    state_ = s_.FormActive ? 1 : 0;
    buttonsWidth_ = TitleButtonsWidth(m_, fc_.Buttons, w_.Border, s_.Rules);
  }

  void Paint() {
    PaintFormSection();
    if (s_.GripRightBottom && !w_.Maximized && (w_.Style & kStyleThickFrame)) PaintGrip(cache_, m_, F_);
    ci_ = CacheInfoOfBitmap(&cache_, OffsetX(w_), OffsetY(w_));
    if (c_ > 0) PaintTitleBar();
    PaintMenuBar();
    KeepTitleBackground();
    if (c_ > 0) {
      PaintCaptionText();
      SaveStripUnderButtons();
      PaintTitleButtons();
    }
  }

 private:
  // What lies behind the form's border where its image is see-through:
  // the form's own colour, so that no key colour stays in the cache.
  TCacheInfo BehindForm() const {
    TCacheInfo ci;
    ci.FillColor = uint32_t(FormColor(fc_, s_));
    return ci;
  }

  void PaintFormSection() {
    const TsCommonData& data = fc_.Data;
    const Rect all{0, 0, W_, H_};
    if (HasFrame(w_) || w_.HasParentControl)
      PaintSection(data, BehindForm(), false, state_, all, w_.Position, &cache_, w_.HasParentControl);
    else
      PaintSectionBackground(data.SkinIndex, data.FSkinSection, NoParent(), kSkinColor, -1, -1, &m_, cache_,
                             Point{}, all, state_);
    if (fc_.PlainClient) {
      const Rect client{OffsetX(w_), OffsetY(w_), OffsetX(w_) + w_.Client.Width, OffsetY(w_) + w_.Client.Height};
      FillRectColor(cache_, client, uint32_t(FormColor(fc_, s_)));
    }
  }

  void PaintTitleBar() {
    const Rect bar{0, 0, W_, w_.Minimized ? H_ : F_ + c_};
    if (m_.IsValidSkinIndex(fc_.TitleSkinIndex))
      PaintSection(fc_.TitleSkinIndex, m_.gd[size_t(fc_.TitleSkinIndex)].ClassName, ci_, true, state_, bar,
                   Point{}, &cache_, &m_);
    if (s_.ShowIcon && s_.DrawIcon) s_.DrawIcon(cache_, FrameIconRect(s_, m_));
    const int plate = m_.GetMaskIndex(fc_.Data.SkinIndex, fc_.Data.FSkinSection, s_TitleBar);
    if (HasAnyTitleButton(s_.Rules) && m_.IsValidImgIndex(plate)) {
      const TsMaskData& e = m_.ma[size_t(plate)];
      const int part = e.Bmp ? e.Bmp->Width() / 9 : StateWidth(e);
      PaintBorderImage(cache_, Rect{W_ - (buttonsWidth_ + 2 * part), 0, W_, F_ + c_}, true, NoParent(), e,
                       state_, false);
    }
  }

  void PaintMenuBar() {
    const int rowHeight = MenuHeight(w_);
    if (rowHeight <= 0) return;
    const int k = m_.GetSkinIndex(s_MenuLine);
    const int lines = LinesCount(w_);
    const int top = F_ + c_;
    if (m_.IsValidSkinIndex(k))
      PaintSection(k, s_MenuLine, ci_, true, state_, Rect{0, top, W_, top + lines * rowHeight}, Point{}, &cache_,
                   &m_);
    EnsureSize(fc_.MenuLineBmp, W_, lines * rowHeight);
    const Point origin{OffsetX(w_) - w_.FormBorderWidth, OffsetY(w_) - lines * rowHeight - w_.FormBorderWidth - 1};
    CopyBlock(fc_.MenuLineBmp, 0, 0, W_, lines * rowHeight, cache_, origin.X, origin.Y);
    if (s_.PaintMenuBarItems) s_.PaintMenuBarItems(cache_, fc_.MenuLineBmp, origin);
  }

  // A one-state form border leaves the title strip as it will stay: kept
  // as the background of the caption plate.
  void KeepTitleBackground() {
    const int border = fc_.Data.BorderIndex;
    if (m_.IsValidImgIndex(border) && m_.ma[size_t(border)].ImageCount > 1) return;
    if (fc_.TitleBG.Width() == W_) return;
    fc_.TitleBG = Bitmap(W_, F_ + c_, PixelFormat::Bgr24);
    CopyBlock(fc_.TitleBG, 0, 0, W_, F_ + c_, cache_, 0, 0);
  }

  void PaintCaptionText() {
    TsCaptionLayout layout;
    layout.FrameWidth = F_;
    layout.IconWidth = FrameIconRect(s_, m_).Width();
    layout.LeftMargin = m_.SkinData.BILeftMargin;
    layout.HasCaptionSection = m_.IsValidSkinIndex(fc_.CaptionSkinIndex);
    layout.Width = W_;
    layout.TitleButtonsWidth = buttonsWidth_;
    layout.CaptionHeight = c_;
    layout.Maximized = w_.Maximized;
    Rect r = CaptionTextRect(layout);
    if (r.IsEmpty() || s_.Caption.empty()) return;
    const Size text = PaintPlatform().MeasureText(s_.CaptionFont, s_.Caption, kMeasureFormat, 0);
    r = AlignCaption(r, s_.Alignment, text, 0);
    int section = fc_.TitleSkinIndex;
    if (layout.HasCaptionSection) {
      section = fc_.CaptionSkinIndex;
      PaintCaptionPlate(r, text);
    }
    BitmapCanvas canvas(cache_, Rect{0, 0, W_, F_ + c_}, s_.CaptionFont);
    WriteSkinText(canvas.Dc(), s_.Caption, s_.Enabled, &m_, s_.FormActive, section, kCaptionFormat, r);
  }

  // The "CAPTION" section behind the text, over the kept title strip.
  void PaintCaptionPlate(Rect text, Size extent) {
    const Rect plate{text.Left - 4, text.Top - 2, text.Left + extent.Width + 4, text.Top + extent.Height + 2};
    Bitmap strip;
    const Bitmap* background = &fc_.TitleBG;
    if (fc_.TitleBG.IsEmpty()) {
      strip = Bitmap(W_, F_ + c_, PixelFormat::Bgr24);
      CopyBlock(strip, 0, 0, W_, F_ + c_, cache_, 0, 0);
      background = &strip;
    }
    PaintSection(fc_.CaptionSkinIndex, s_Caption, CacheInfoOfBitmap(background, 0, 0), true, state_, plate,
                 Point{}, &cache_, &m_);
  }

  void SaveStripUnderButtons() {
    EnsureSize(fc_.TempBmp, F_ + buttonsWidth_ + 10, F_ + c_ + F_ + MenuHeight(w_));
    CopyBlock(fc_.TempBmp, 0, 0, fc_.TempBmp.Width(), fc_.TempBmp.Height(), cache_, W_ - fc_.TempBmp.Width() - 1,
              0);
  }

  void PaintTitleButtons() {
    if (!HasFrame(w_)) return;
    TsTitleButtons& b = fc_.Buttons;
    LayoutTitleButtons(b, m_, w_, s_.Rules);
    const auto draw = [&](const TsCaptionButton& button, bool shown) {
      if (!shown || !m_.IsValidImgIndex(button.ImageIndex)) return;
      const bool enabled = TitleButtonEnabled(b, button, s_.Rules, w_.Maximized, w_.Minimized);
      PaintStateGlyph(cache_, Point{button.R.Left, button.R.Top}, button.State, ci_,
                      m_.ma[size_t(button.ImageIndex)], TitleButtonGlyphMode(button, s_.FormActive, enabled));
    };
    draw(b.Close, s_.Rules.HaveSysMenu);
    draw(b.Max, s_.Rules.ShowMax);
    draw(b.Min, s_.Rules.ShowMin);
    draw(b.Help, s_.Rules.ShowHelp);
  }

  TsFrameCache& fc_;
  const TsFrameScene& s_;
  const TsFrameWindow& w_;
  TsSkinManager& m_;
  Bitmap& cache_;
  TCacheInfo ci_;
  int W_ = 0, H_ = 0, F_ = 0, c_ = 0, state_ = 0, buttonsWidth_ = 0;
};

}  // namespace

Rect FrameIconRect(const TsFrameScene& scene, const TsSkinModel& m) {
  if (!scene.ShowIcon) return Rect{};
  const int c = CaptionHeight(scene.Window);
  const int side = IconSide(c);
  const Size icon = scene.IconSize.Width > 0 && scene.IconSize.Height > 0 ? scene.IconSize : Size{side, side};
  return IconRect(FrameWidth(scene.Window), m.SkinData.BILeftMargin, c, icon);
}

void TsFrameCache::ReadSkin(TsSkinManager* manager) {
  Data.FSkinManager = manager;
  Data.SetSkinSection(s_Form);
  TitleSkinIndex = manager ? manager->GetSkinIndex(s_FormTitle) : -1;
  CaptionSkinIndex = manager ? manager->GetSkinIndex(s_Caption) : -1;
  TitleBG = Bitmap();
  Data.FCacheBmp.reset();
  Data.BGChanged = true;
}

void TsFrameCache::Release() {
  TitleSkinIndex = CaptionSkinIndex = -1;
  Data.FCacheBmp.reset();
  TempBmp = TitleBG = MenuLineBmp = Bitmap();
  Data.BGChanged = true;
}

TColor FormColor(const TsFrameCache& fc, const TsFrameScene& scene) {
  if (!fc.Data.Skinned() || fc.Data.FCustomColor) return ColorToRGB(scene.FormOwnColor);
  const TsGeneralData& g = fc.Data.SkinManager()->gd[size_t(fc.Data.SkinIndex)];
  return ColorToRGB(scene.FormActive ? g.HotColor : g.Color);
}

bool RenderFrame(TsFrameCache& fc, const TsFrameScene& scene) {
  TsSkinManager* m = fc.Data.SkinManager();
  const bool valid = m != nullptr && m->IsValidSkinIndex(fc.Data.SkinIndex);
  if (!fc.Data.FCacheBmp) {
    fc.Data.FCacheBmp = std::make_unique<Bitmap>();
    fc.PlainClient = valid && IsPlainColorSection(*m, fc.Data.SkinIndex);
  }
  if (!fc.Data.BGChanged) return false;
  EnsureSize(*fc.Data.FCacheBmp, CaptionWidth(scene.Window), FrameCacheHeight(scene.Window));
  if (valid && !fc.Data.FCacheBmp->IsEmpty()) FrameRenderer(fc, scene, *m).Paint();
  fc.Data.BGChanged = false;
  fc.Data.FUpdating = false;
  return true;
}

void AnswerFormBackground(TsFrameCache& fc, const TsFrameScene& scene, BackgroundInfo& info) {
  const int ox = OffsetX(scene.Window), oy = OffsetY(scene.Window);
  info.OffsetX = info.OffsetY = 0;
  if (fc.Data.BGChanged && !fc.Data.FUpdating) RenderFrame(fc, scene);
  if (info.PaintRequested) {
    info.OffsetX += ox;
    info.OffsetY += oy;
  }
  AnswerBackgroundQuery(fc.Data, info, scene.FormActive ? 1 : 0);
  if (info.Kind == BackgroundInfo::kCacheBitmap && !info.PaintRequested && info.Bitmap == nullptr) {
    RenderFrame(fc, scene);
    info.Bitmap = fc.Data.FCacheBmp.get();
  }
  if (!scene.Window.HasParentControl) {
    info.OffsetX += ox;
    info.OffsetY += oy;
  }
}

}  // namespace wakespan
