#include "skin/frame/sFrameHitTest.h"

namespace wakespan {

namespace {

// A visible system button and the code it answers; a button whose command
// is disabled answers as caption, so it drags the window like the bar.
struct ShownButton {
  const TsCaptionButton* Button;
  uint32_t Code;
};

uint32_t EnabledOrCaption(bool enabled, uint32_t code) { return enabled ? code : kHitCaption; }

// The visible system buttons in their order: close, maximize, minimize,
// help; each answers its own code.
int ShownSystemButtons(const TsFrameHitInput& in, const TsTitleButtons& b, ShownButton (&shown)[4]) {
  const TsTitleButtonRules& r = in.Rules;
  if (!r.HaveSysMenu) return 0;
  int count = 0;
  shown[count++] = {&b.Close, kHitClose};
  if (r.ShowMax)
    shown[count++] = {&b.Max, EnabledOrCaption(r.EnabledMax || (r.EnabledRestore && !in.Minimized), kHitMaxButton)};
  if (r.ShowMin) shown[count++] = {&b.Min, EnabledOrCaption(in.Minimized || r.EnabledMin, kHitMinButton)};
  if (r.ShowHelp) shown[count++] = {&b.Help, kHitHelp};
  return count;
}

// A button without a valid image was never laid out.
bool ButtonHit(const TsCaptionButton& b, Point p) { return b.ImageIndex >= 0 && PointInRect(p, b.R); }

uint32_t TitleButtonCode(Point p, const TsFrameHitInput& in, const TsTitleButtons& buttons) {
  ShownButton shown[4];
  const int count = ShownSystemButtons(in, buttons, shown);
  for (int i = 0; i < count; ++i)
    if (ButtonHit(*shown[i].Button, p)) return shown[i].Code;
  for (size_t i = 0; i < in.UserButtons.size(); ++i) {
    const TsUserTitleButton& u = in.UserButtons[i];
    if (u.Visible && PointInRect(p, u.R)) return u.Enabled ? kHitUserButton + uint32_t(i) : kHitClient;
  }
  return kHitClient;
}

// The sizing border's code, or client when p is on none.
uint32_t SizingBorderCode(Point p, const TsFrameHitInput& in) {
  const int F = in.FrameWidth;
  const bool bottom = p.Y > in.Window.Height - F, top = !bottom && p.Y < F;
  if (p.X < F) return top ? kHitTopLeft : bottom ? kHitBottomLeft : kHitLeft;
  if (p.X > in.Window.Width - F) return top ? kHitTopRight : bottom ? kHitBottomRight : kHitRight;
  return top ? kHitTop : bottom ? kHitBottom : kHitClient;
}

uint32_t CaptionBandCode(Point p, const TsFrameHitInput& in) {
  const int captionBottom = in.FrameWidth + in.CaptionHeight;
  if (in.MenuHeight > 0 && p.Y >= captionBottom) return kHitMenu;
  return PointInRect(p, in.IconRect) ? kHitSysMenu : kHitCaption;
}

uint32_t ClientCode(Point p, const TsFrameHitInput& in) {
  const bool onGrip = in.GripShown && in.GripImageValid && p.X > in.GripPosition.X && p.Y > in.GripPosition.Y;
  return onGrip ? kHitBottomRight : kHitClient;
}

}  // namespace

TsHitResult HitTestFrame(Point p, const TsFrameHitInput& in, const TsTitleButtons& buttons) {
  if (!PointInRect(p, Rect{0, 0, in.Window.Width, in.Window.Height})) return TsHitResult{kHitNowhere, {}};
  const uint32_t button = TitleButtonCode(p, in, buttons);
  if (button != kHitClient) return TsHitResult{button, int(button)};
  if (!in.Maximized && in.ThickFrame) {
    const uint32_t border = SizingBorderCode(p, in);
    if (border != kHitClient) return TsHitResult{border, -1};
  }
  const int captionBottom = in.FrameWidth + in.CaptionHeight;
  if (p.Y <= captionBottom) return TsHitResult{CaptionBandCode(p, in), {}};
  if (p.Y > captionBottom + in.LinesCount * in.MenuHeight) {
    const uint32_t code = ClientCode(p, in);
    return TsHitResult{code, code == kHitClient ? 0 : int(code)};
  }
  return TsHitResult{kHitMenu, {}};
}

TsNcHitAnswer AnswerNcHitTest(Point p, const TsFrameHitInput& in, const TsTitleButtons& buttons, bool captionBarDrawn) {
  if (!captionBarDrawn) return TsNcHitAnswer{};
  const TsHitResult r = HitTestFrame(p, in, buttons);
  switch (r.Code) {
    case kHitNowhere:
    case kHitClient:
    case kHitCaption:
    case kHitMenu: return TsNcHitAnswer{true, r.Code, 0};
    default: return TsNcHitAnswer{false, r.Code, r.Hot};
  }
}

}  // namespace wakespan
