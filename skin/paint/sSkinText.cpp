#include "skin/paint/sSkinText.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

Rect Moved(const Rect& r, int dx, int dy) { return Rect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

TColor Disabled(TColor text, TColor background) {
  return TColor(MixTwoColors(uint32_t(text), uint32_t(background), 0.4));
}

// Side colours (when `sides`) and then the text colour of `colors`.
void DrawColored(DeviceContext canvas, std::u16string_view text, uint32_t format, const Rect& R,
                 const TColor (&colors)[5], bool sides) {
  TacPaintPlatform& platform = PaintPlatform();
  // Left, top, right, bottom: each side colour one pixel towards its side.
  static const int kShift[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  for (int i = 0; sides && i < 4; ++i)
    if (colors[i + 1] != -1) platform.OutputText(canvas, text, Moved(R, kShift[i][0], kShift[i][1]), format, colors[i + 1]);
  platform.OutputText(canvas, text, R, format, colors[0]);
}

}  // namespace

void WriteSkinText(DeviceContext canvas, std::u16string_view text, bool enabled, TsSkinManager* M,
                   bool hot, int k, uint32_t format, Rect R) {
  const TsSkinManager* m = ManagerOrDefault(M);
  if (text.empty() || m == nullptr || !m->IsValidSkinIndex(k)) return;
  const TsGeneralData& g = m->gd[size_t(k)];
  const TColor(&colors)[5] = hot ? g.HotFontColor : g.FontColor;
  if (enabled) {
    DrawColored(canvas, text, format, R, colors, true);
  } else {
    PaintPlatform().OutputText(canvas, text, R, format, Disabled(colors[0], g.Color));
  }
}

namespace {

// The section whose colours a control's text takes: its own, or for a
// windowless control that shares its parent's font and lets the parent show
// through in this state, the nearest skinned parent's.
const TsGeneralData& ColorSection(const TsSkinManager& m, const TsCommonData& data, bool hot,
                                  const TacTextSource& source) {
  const TsGeneralData& own = m.gd[size_t(data.SkinIndex)];
  const TsCommonData* parent = source.SkinnedParent;
  const bool seeThrough = (hot ? own.HotTransparency : own.Transparency) >= 100;
  if (source.Windowless && source.ParentFont && seeThrough && parent && m.IsValidSkinIndex(parent->SkinIndex))
    return m.gd[size_t(parent->SkinIndex)];
  return own;
}

}  // namespace

void WriteSkinText(const TsCommonData& data, DeviceContext canvas, std::u16string_view text, bool enabled,
                   bool hot, uint32_t format, Rect R, TColor ownFontColor, const TacTextSource& source) {
  const TsSkinManager* m = data.SkinManager();
  if (text.empty() || m == nullptr || !m->IsValidSkinIndex(data.SkinIndex)) return;
  const TsGeneralData& g = ColorSection(*m, data, hot, source);
  TColor colors[5];
  for (int i = 0; i < 5; ++i) colors[i] = (hot ? g.HotFontColor : g.FontColor)[i];
  if (data.FCustomFont) colors[0] = ownFontColor;
  const DCStateGuard saved(canvas);
  const bool underline = hot && data.FSkinSection == s_WebButton;
  if (source.Font.Handle != nullptr || underline) PaintPlatform().SelectFont(canvas, source.Font, underline);
  PaintPlatform().IntersectClip(canvas, R);
  if (enabled) {
    DrawColored(canvas, text, format, R, colors, !data.FCustomFont);
  } else {
    PaintPlatform().OutputText(canvas, text, R, format, Disabled(colors[0], m->GetGlobalColor()));
  }
}

}  // namespace wakespan
