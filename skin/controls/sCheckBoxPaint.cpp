#include "skin/controls/sCheckBoxPaint.h"

#include <algorithm>

#include "skin/controls/sControlCache.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"
#include "skin/paint/sStateGlyph.h"

namespace wakespan {
namespace {

// The mark images by check state, for boxes and radio buttons.
constexpr const char* kBoxImages[3] = {s_CheckBoxUnChecked, s_CheckBoxChecked, s_CheckBoxGrayed};
constexpr const char* kRadioImages[3] = {s_RadioButtonUnChecked, s_RadioButtonChecked, s_CheckBoxGrayed};

}  // namespace

int TacCheckBoxPainter::State() const {
  if (view_.ButtonState & kStateIndeterminate) return 2;
  return (view_.ButtonState & kStateChecked) ? 1 : 0;
}

int TacCheckBoxPainter::CtlState() const {
  if (view_.ButtonState & kStatePushed) return 2;
  return (view_.ButtonState & kStateFocus) || view_.MouseAbove ? 1 : 0;
}

bool TacCheckBoxPainter::IsRadio() const {
  // Radio buttons that check themselves have their own style value.
  const uint32_t type = view_.Style & kStyleTypeMask;
  return (view_.Style & 0x7) == kStyleRadioButton || type == kStyleAutoRadioButton;
}

int TacCheckBoxPainter::GlyphMaskIndex(const TsSkinManager& m, int state) const {
  const int s = std::clamp(state, 0, 2);
  const int global = m.GetSkinIndex(s_GlobalInfo);
  return m.GetMaskIndex(global, s_GlobalInfo, IsRadio() ? kRadioImages[s] : kBoxImages[s]);
}

Size SkinGlyphSize(const TsSkinManager& m, int maskIndex) {
  if (!m.IsValidImgIndex(maskIndex)) return Size{};
  const TsMaskData& e = m.ma[size_t(maskIndex)];
  Size size = m.MaskSize(maskIndex);
  // An image count of 0 counts as one state.
  if (!e.Bmp && e.ImageCount == 0) size.Width = e.R.Width();
  return size;
}

Rect TacCheckBoxPainter::SkinCheckRect(const TsSkinManager& m, int maskIndex) const {
  const Size mark = SkinGlyphSize(m, maskIndex);
  const int top = (view_.WindowSize.Height - mark.Height) / 2;
  const int left = (view_.Style & kStyleRightButton) ? view_.WindowSize.Width - mark.Width : 0;
  return Rect{left, top, left + mark.Width, top + mark.Height};
}

Rect TacCheckBoxPainter::CheckRect(const TsSkinManager& m) const {
  const int checked = GlyphMaskIndex(m, 1);
  if (!m.IsValidImgIndex(checked)) return Rect{0, 0, kDefaultMarkSize, kDefaultMarkSize};
  return SkinCheckRect(m, checked);
}

uint32_t TacCheckBoxPainter::TextFormat() const {
  return MultiLine() ? textformat::kCenter | textformat::kWordBreak : textformat::kSingleLine;
}

Rect TacCheckBoxPainter::TextRect(int markWidth) const {
  const int available = std::max(0, view_.WindowSize.Width - markWidth - 2);
  const Size t = PaintPlatform().MeasureText(view_.Font, view_.Caption, TextFormat() | textformat::kCalcRect,
                                             available);
  int y = std::max((view_.WindowSize.Height - t.Height) / 2, 0);
  int x = 2;
  if ((view_.Style & kStyleRightButton) == 0) {
    x = markWidth + 4 - (MultiLine() ? 1 : 0);
    y -= 1;
  }
  return Rect{x, y, x + t.Width, y + t.Height};
}

void TacCheckBoxPainter::DrawCheckText(const TsCommonData& data, Bitmap& cache, int markWidth) const {
  if (view_.Caption.empty()) return;
  const Rect R = TextRect(markWidth);
  BitmapCanvas canvas(cache, Rect{0, 0, cache.Width(), cache.Height()}, view_.Font);
  WriteSkinText(data, canvas.Dc(), view_.Caption, view_.Enabled, IsControlHot(view_), TextFormat(), R,
                view_.FontColor, TacTextSource{view_.Font});
  if (view_.Focused) PaintPlatform().DrawFocusRect(canvas.Dc(), Rect{R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
}

void TacCheckBoxPainter::PrepareCache(TsCommonData& data, const TCacheInfo& ci) const {
  Bitmap* cache = SizeCache(data, view_.WindowSize);
  const TsSkinManager* m = data.SkinManager();
  if (cache == nullptr || m == nullptr) return;
  PaintSection(data, ci, true, IsControlHot(view_) ? 1 : 0, Rect{0, 0, cache->Width(), cache->Height()}, Point{},
               cache, true);
  const int mark = GlyphMaskIndex(*m, State());
  const Rect markRect = m->IsValidImgIndex(mark) ? SkinCheckRect(*m, mark) : CheckRect(*m);
  DrawCheckText(data, *cache, markRect.Width());
  if (m->IsValidImgIndex(mark))
    PaintStateGlyph(*cache, Point{markRect.Left, markRect.Top}, CtlState(), CacheInfoOfBitmap(cache, 0, 0),
                    m->ma[size_t(mark)], kGlyphNormal);
  if (!view_.Enabled) FadeDisabled(*cache, ci);
  data.BGChanged = false;
}

}  // namespace wakespan
