#include "skin/frame/sTitleButtons.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/paint/sStateGlyph.h"

namespace wakespan {

namespace {

constexpr int kMissingImageSize = 21;
constexpr int kFadedGlyph = 2;

// An image of the master bitmap whose rectangle leaves the bitmap cannot be
// shown; as a button it would also be hit far outside the title bar. Such a
// button counts as having no image.
int Usable(const TsSkinModel& m, int image) { return m.ImageInsideItsBitmap(image) ? image : -1; }

int GlobalImage(const TsSkinModel& m, int global, const char* key) {
  return Usable(m, m.GetMaskIndex(global, s_GlobalInfo, key));
}

int OwnStateWidth(const TsMaskData& e) {
  return e.Bmp ? DivOrZero(e.Bmp->Width(), e.ImageCount) : StateWidth(e);
}

int OwnStateHeight(const TsMaskData& e) { return e.Bmp ? e.Bmp->Height() / 2 : StateHeight(e); }

void SetImage(TsCaptionButton& button, int image, bool alignment) {
  button.ImageIndex = image;
  button.HaveAlignment = alignment;
}

}  // namespace

TsTitleButtonRules RulesFromStyle(uint32_t style, bool haveSysMenu, bool helpIcon) {
  TsTitleButtonRules rules;
  rules.HaveSysMenu = haveSysMenu;
  rules.ShowMax = haveSysMenu && (style & kStyleMaximizeBox) != 0;
  rules.ShowMin = haveSysMenu && (style & kStyleMinimizeBox) != 0;
  rules.ShowHelp = haveSysMenu && helpIcon;
  return rules;
}

bool HasBigButtons(TsBorderStyle border) {
  return border == TsBorderStyle::Single || border == TsBorderStyle::Sizeable;
}

void AssignTitleButtonImages(TsTitleButtons& buttons, const TsSkinModel& m, TsBorderStyle border,
                             const TsTitleButtonRules& rules, bool maximized, bool minimized, int formSection) {
  const int global = m.GetSkinIndex(s_GlobalInfo);
  if (global < 0) return;
  const auto image = [&](const char* key) { return GlobalImage(m, global, key); };
  const auto assignBig = [&] {
    SetImage(buttons.Min, image("BICONMIN"), true);
    SetImage(buttons.Max, image("BICONMAX"), true);
    SetImage(buttons.Help, image("BICONHELP"), false);
    const int alone = image("BICLOSEALONE");
    const bool closeAlone = !rules.ShowMax && !rules.ShowMin && alone >= 0;
    SetImage(buttons.Close, closeAlone ? alone : image("BICONCLOSE"), true);
  };
  if (HasBigButtons(border)) {
    assignBig();
  } else {
    SetImage(buttons.Close, image("SICONCLOSE"), false);
    SetImage(buttons.Min, image("SICONMIN"), false);
    SetImage(buttons.Max, image("SICONMAX"), false);
    const int help = image("SICONHELP");
    SetImage(buttons.Help, help >= 0 ? help : image("BICONHELP"), false);
  }
  if (!m.IsValidImgIndex(buttons.Close.ImageIndex)) {
    assignBig();
    buttons.Help.HaveAlignment = true;
  }
  if (maximized || minimized) {
    int restore = image("BICONNORM");
    if (restore < 0) restore = Usable(m, m.GetMaskIndex(formSection, s_Form, "BICONNORM"));
    (maximized ? buttons.Max : buttons.Min).ImageIndex = restore;
  }
}

Size ButtonSize(const TsSkinModel& m, const TsTitleButtons& buttons, const TsCaptionButton& button) {
  Size size{kMissingImageSize, kMissingImageSize};
  if (m.IsValidImgIndex(button.ImageIndex)) size.Width = OwnStateWidth(m.ma[size_t(button.ImageIndex)]);
  if (m.IsValidImgIndex(buttons.Close.ImageIndex))
    size.Height = OwnStateHeight(m.ma[size_t(buttons.Close.ImageIndex)]);
  return size;
}

int ButtonSpacing(const TsSkinModel& m, TsBorderStyle border) {
  return HasBigButtons(border) ? m.SkinData.BISpacing : 0;
}

int TitleButtonsWidth(const TsSkinModel& m, const TsTitleButtons& buttons, TsBorderStyle border,
                      const TsTitleButtonRules& rules) {
  int width = m.SkinData.BIRightMargin;
  if (!rules.HaveSysMenu) return width;
  const int s = ButtonSpacing(m, border);
  const auto widthOf = [&](const TsCaptionButton& b) { return ButtonSize(m, buttons, b).Width; };
  width += widthOf(buttons.Close);
  if (rules.ShowMax) width += widthOf(buttons.Max) + s;
  if (rules.ShowMin) width += widthOf(buttons.Min) + s;
  if (rules.ShowHelp) width += widthOf(buttons.Help) + s;
  return width;
}

void LayoutTitleButtons(TsTitleButtons& buttons, const TsSkinModel& m, const TsFrameWindow& w,
                        const TsTitleButtonRules& rules) {
  const int F = FrameWidth(w), c = CaptionHeight(w);
  const bool big = HasBigButtons(w.Border);
  const int s = ButtonSpacing(m, w.Border);
  int x = CaptionWidth(w) - m.SkinData.BIRightMargin - F;
  const auto place = [&](TsCaptionButton& button, bool shown) {
    if (!shown || !m.IsValidImgIndex(button.ImageIndex)) return;
    const Size size = ButtonSize(m, buttons, button);
    int top;
    if (button.HaveAlignment && m.SkinData.BIVAlign == 1)
      top = w.Maximized && !w.MaxSizeConstrained ? F - 1 : 0;
    else
      top = (F + c - size.Height) / 2 + (big && size.Height < 16 ? 2 : 0);
    button.R = Rect{x - size.Width, top, x, top + size.Height};
    x = button.R.Left - s;
  };
  place(buttons.Close, rules.HaveSysMenu);
  place(buttons.Max, rules.ShowMax);
  place(buttons.Min, rules.ShowMin);
  place(buttons.Help, rules.ShowHelp);
}

bool TitleButtonEnabled(const TsTitleButtons& buttons, const TsCaptionButton& button,
                        const TsTitleButtonRules& rules, bool maximized, bool minimized) {
  if (&button == &buttons.Max) return maximized ? rules.EnabledRestore : rules.EnabledMax;
  if (&button == &buttons.Min) return minimized ? rules.EnabledRestore : rules.EnabledMin;
  return true;
}

bool MaxButtonActive(const TsTitleButtonRules& rules, bool maximized) {
  return rules.EnabledMax || (maximized && rules.EnabledRestore);
}

int TitleButtonGlyphMode(const TsCaptionButton& button, bool formActive, bool commandEnabled) {
  return button.State == 0 && (!formActive || !commandEnabled) ? kFadedGlyph : kGlyphNormal;
}

}  // namespace wakespan
