#include "skin/controls/sButtonPaint.h"

#include "skin/controls/sControlCache.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"

namespace wakespan {
namespace {

Rect Shifted(Rect r, bool down) {
  if (down) r = Rect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  return r;
}

}  // namespace

int TacButtonPainter::CurrentState() const {
  if (Down()) return 2;
  if (!view_.Enabled) return 0;
  if (view_.Focused || view_.MouseAbove) return 1;
  const bool isDefault = view_.PlainWindow ? (view_.Style & kStyleDefPushButton) != 0
                                           : (view_.Style & kStyleTypeMask) == kStyleDefPushButton;
  return isDefault ? 1 : 0;
}

uint32_t TacButtonPainter::CaptionFormat() const {
  uint32_t format = textformat::kCenter | textformat::kExpandTabs;
  if ((view_.Style & kStyleMultiLine) == 0) format |= textformat::kWordBreak;
  return format;
}

int TacButtonPainter::MaxCaptionWidth() const {
  if (view_.Caption.empty()) return 0;
  const Size glyph = GlyphSize();
  int width = view_.WindowSize.Width - 2;
  if (glyph.Width > 0) width -= glyph.Width + 2;
  return width;
}

Size TacButtonPainter::TextRectSize() const {
  if (view_.Caption.empty()) return Size{};
  const uint32_t format = CaptionFormat() | textformat::kCalcRect | textformat::kNoPrefix;
  return PaintPlatform().MeasureText(view_.Font, view_.Caption, format, MaxCaptionWidth());
}

Rect CenteredCaptionRect(Size window, Size text, bool down) {
  const int h = (window.Width - text.Width) / 2;
  const int v = (window.Height - text.Height) / 2;
  return Shifted(Rect{h - 1, v, window.Width - h + 2, window.Height - v}, down);
}

Rect TacButtonPainter::CaptionRect() const { return CenteredCaptionRect(view_.WindowSize, TextRectSize(), Down()); }

void TacButtonPainter::DrawCaption(const TsCommonData& data, Bitmap& cache) const {
  if (view_.Caption.empty()) return;
  const Rect R = CaptionRect();
  BitmapCanvas canvas(cache, Rect{0, 0, cache.Width(), cache.Height()}, view_.Font);
  WriteSkinText(data, canvas.Dc(), view_.Caption, view_.Enabled, CurrentState() != 0, CaptionFormat(), R,
                view_.FontColor, TacTextSource{view_.Font});
  const TsSkinManager* m = data.SkinManager();
  const bool showFocus = m && m->IsValidSkinIndex(data.SkinIndex) && m->gd[size_t(data.SkinIndex)].ShowFocus;
  if (view_.Enabled && (view_.ButtonState & kStateFocus) && showFocus)
    PaintPlatform().DrawFocusRect(canvas.Dc(), Rect{R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
}

void TacButtonPainter::PrepareCache(TsCommonData& data, const TCacheInfo& ci) const {
  Bitmap* cache = SizeCache(data, view_.WindowSize);
  if (cache == nullptr) return;
  const Rect all{0, 0, cache->Width(), cache->Height()};
  PaintSection(data, ci, true, CurrentState(), all, Point{}, cache, true);
  DrawCaption(data, *cache);
  DrawGlyph(*cache);
  if (!view_.Enabled) FadeDisabled(*cache, ci);
  data.BGChanged = false;
}

}  // namespace wakespan
