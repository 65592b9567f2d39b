#include "skin/frame/sTitleButtonStates.h"

namespace wakespan {

namespace {

constexpr int kNormal = 0, kHot = 1, kPressed = 2;

const TsCaptionButton* ConstButtonOfCode(const TsTitleButtons& b, int code) {
  for (const TsCaptionButton* button : {&b.Min, &b.Max, &b.Close, &b.Help})
    if (code > 0 && button->HitCode == uint32_t(code)) return button;
  return nullptr;
}

// Sets the state of the button of `code`, noting it for a repaint.
void SetState(TsTitleButtons& b, int code, int state, TsButtonCodes& changed) {
  if (TsCaptionButton* button = ButtonOfCode(b, code)) {
    button->State = state;
    changed.push_back(code);
  }
}

// How each state fades: hot and normal over ten steps, pressed at once.
struct Fade {
  int Steps;
  bool Up;
};
Fade FadeOf(int state) {
  switch (state) {
    case kHot: return {10, true};
    case kPressed: return {1, true};
    default: return {10, false};
  }
}

}  // namespace

TsCaptionButton* ButtonOfCode(TsTitleButtons& buttons, int code) {
  return const_cast<TsCaptionButton*>(ConstButtonOfCode(buttons, code));
}

TsButtonCodes SetHotCode(TsTitleButtonStates s, int code) {
  TsButtonCodes changed;
  if (code == s.CurrentHT || (s.CurrentHT == -1 && code == 0)) return changed;
  SetState(s.Buttons, s.CurrentHT, kNormal, changed);
  s.CurrentHT = code;
  SetState(s.Buttons, code, kHot, changed);
  s.Pressed = false;
  return changed;
}

TsButtonCodes PressTitleButton(TsTitleButtonStates s, int code, bool maxButtonActive) {
  TsButtonCodes changed;
  // A refused press leaves nothing hot, not even the button itself.
  const bool refused = code == int(kHitMaxButton) && !maxButtonActive;
  if (code != s.CurrentHT || refused) SetState(s.Buttons, s.CurrentHT, kNormal, changed);
  if (refused) {
    s.CurrentHT = 0;
    return changed;
  }
  s.CurrentHT = code;
  SetState(s.Buttons, code, kPressed, changed);
  s.Pressed = true;
  return changed;
}

TsButtonRepaint RepaintTitleButton(const TsTitleButtons& buttons, int code, const TsButtonPaintContext& c) {
  TsButtonRepaint r;
  const TsCaptionButton* button = ConstButtonOfCode(buttons, code);
  if (!button || button->State < 0) return r;
  if (c.GlowingPossible) {
    const Fade fade = FadeOf(button->State);
    r.How = TsButtonRepaint::Way::Animate;
    r.State = button->State;
    r.Steps = fade.Steps;
    r.Up = fade.Up;
    return r;
  }
  // A button a narrow window pushed onto the icon has no saved background.
  if (button->R.Left < c.IconRect.Right) return r;
  r.How = TsButtonRepaint::Way::Direct;
  r.Where = button->R;
  // TempBmp holds the title strip from W - its width - 1 on.
  r.TempBmpSource = Point{button->R.Left - (c.CaptionWidth - c.TempBmpWidth - 1), button->R.Top};
  const bool showsRestore = (button == &buttons.Max && c.Maximized) || (button == &buttons.Min && c.Minimized);
  r.ImageIndex = showsRestore && c.RestoreImage >= 0 ? c.RestoreImage : button->ImageIndex;
  r.GlyphMode = TitleButtonGlyphMode(*button, c.FormActive,
                                     TitleButtonEnabled(buttons, *button, c.Rules, c.Maximized, c.Minimized));
  return r;
}

}  // namespace wakespan
