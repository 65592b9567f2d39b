#include "skin/controls/sEditPaint.h"

#include "skin/controls/sControlCache.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sDisabled.h"
#include "skin/paint/sSectionPaint.h"

namespace wakespan {
namespace {

constexpr TColor kKeyColor = 0xFF00FF;

void PaintDialogFrame(Bitmap& cache, TColor border) {
  const int w = cache.Width(), h = cache.Height();
  FillRectColor(cache, Rect{0, 0, w, h}, uint32_t(border));
  FillRectColor(cache, Rect{1, 1, w - 1, h - 1}, uint32_t(kSystemWindowColor));
}

}  // namespace

void PrepareEditFrame(TsCommonData& data, const TacControlView& view, const TCacheInfo& ci) {
  Bitmap* cache = SizeCache(data, view.WindowSize);
  const TsSkinManager* m = data.SkinManager();
  if (cache == nullptr || m == nullptr) return;
  const TColor border = m->SkinData.BorderColor;
  if (view.PlainWindow && border != kKeyColor) {
    PaintDialogFrame(*cache, border);
  } else {
    const int state = view.Focused || view.MouseAbove ? 1 : 0;
    PaintSection(data, ci, true, state, Rect{0, 0, cache->Width(), cache->Height()}, Point{}, cache, true);
    if (!view.Enabled) PaintDisabled(*cache, kDisabledFade, data.FOwnerObject, Point{}, ci);
  }
  data.BGChanged = false;
}

TacEditColors EditSkinColors(const TsCommonData& data) {
  TacEditColors colors;
  colors.Color = SkinBackgroundColor(data, 0);
  colors.FocusColor = SkinBackgroundColor(data, 1);
  const TsSkinManager* m = data.SkinManager();
  colors.FontColor = data.Skinned() ? m->gd[size_t(data.SkinIndex)].HotFontColor[0] : 0;
  return colors;
}

}  // namespace wakespan
