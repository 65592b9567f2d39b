#include "skin/frame/sFrameInputs.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/paint/sStateGlyph.h"

namespace wakespan {

TsFrameHitInput FrameHitInput(const TsFrameScene& scene, const TsSkinModel& m) {
  const TsFrameWindow& w = scene.Window;
  TsFrameHitInput in;
  in.Window = w.Window;
  in.FrameWidth = FrameWidth(w);
  in.CaptionHeight = CaptionHeight(w);
  in.MenuHeight = MenuHeight(w);
  in.LinesCount = LinesCount(w);
  in.Maximized = w.Maximized;
  in.Minimized = w.Minimized;
  in.ThickFrame = (w.Style & kStyleThickFrame) != 0;
  in.Rules = scene.Rules;
  in.IconRect = FrameIconRect(scene, m);
  in.GripShown = scene.GripRightBottom && !w.Maximized && in.ThickFrame;
  const int grip = m.GetMaskIndex(m.GetSkinIndex(s_GlobalInfo), s_GlobalInfo, s_GripImage);
  in.GripImageValid = m.IsValidImgIndex(grip);
  if (in.GripImageValid) {
    const TsMaskData& e = m.ma[size_t(grip)];
    in.GripPosition = GripPosition(w.Window, Size{StateWidth(e), StateHeight(e)}, in.FrameWidth);
  }
  return in;
}

TsButtonPaintContext ButtonPaintContext(const TsFrameScene& scene, const TsFrameCache& fc, const TsSkinModel& m,
                                        bool glowingPossible) {
  TsButtonPaintContext c;
  c.GlowingPossible = glowingPossible;
  c.FormActive = scene.FormActive;
  c.Maximized = scene.Window.Maximized;
  c.Minimized = scene.Window.Minimized;
  c.Rules = scene.Rules;
  c.IconRect = FrameIconRect(scene, m);
  c.CaptionWidth = CaptionWidth(scene.Window);
  c.TempBmpWidth = fc.TempBmp.Width();
  return c;
}

TsSysMenuForm SysMenuForm(const TsFrameWindow& w, bool haveSysMenu, bool helpIcon) {
  TsSysMenuForm f;
  f.HaveSysMenu = haveSysMenu;
  f.Border = w.Border;
  f.BiMaximize = (w.Style & kStyleMaximizeBox) != 0;
  f.BiMinimize = (w.Style & kStyleMinimizeBox) != 0;
  f.BiHelp = helpIcon;
  f.Minimized = w.Minimized;
  f.Maximized = w.Maximized;
  f.MdiChild = false;  // this program has no MDI windows
  return f;
}

TsClickForm ClickForm(const TsFrameScene& scene, bool isMainForm, bool pressed, bool skinnedPopups) {
  TsClickForm f;
  f.HasFrame = HasFrame(scene.Window);
  f.Maximized = scene.Window.Maximized;
  f.Minimized = scene.Window.Minimized;
  f.IsMainForm = isMainForm;
  f.Pressed = pressed;
  f.SkinnedPopups = skinnedPopups;
  f.Rules = scene.Rules;
  return f;
}

}  // namespace wakespan
