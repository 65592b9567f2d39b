#include "skin/frame/sFrameClicks.h"

namespace wakespan {

namespace {

constexpr intptr_t kSpaceKey = 32;

bool IsSystemButton(uint32_t hit) {
  return hit == kHitMinButton || hit == kHitMaxButton || hit == kHitClose || hit == kHitHelp;
}

bool OnCaptionOrIcon(uint32_t hit) { return hit == kHitCaption || hit == kHitSysMenu; }

TsClickAction PassOn() {
  TsClickAction a;
  a.PassOn = true;
  return a;
}

TsClickAction LeftDown(uint32_t hit, const TsClickForm& f) {
  TsClickAction a;
  if (hit == kHitSysMenu) {
    a.ResetHot = true;
    a.WaitBeforeDrop = !f.SkinnedPopups;
    a.Drop = TsMenuDrop::UnderIcon;
  } else if (hit == kHitMenu) {
    a.PassOn = true;
  } else if (IsSystemButton(hit) || hit >= kHitUserButton) {
    a.Press = hit;
  } else if (f.Minimized) {
    a.Command = kScDragMove;
  } else {
    a.ResetHot = true;
    // A maximized window is not dragged by its caption.
    a.FocusOnly = f.Maximized && hit == kHitCaption;
    a.PassOn = !a.FocusOnly;
  }
  return a;
}

// The release of a press that started on a title button runs its command.
bool ReleaseRunsCommand(uint32_t hit, const TsClickForm& f, TsClickAction& a) {
  switch (hit) {
    case kHitMinButton:
      if (!f.ReleaseInMinButton) return false;
      a.ResetHot = true;
      // The main form minimizes the application; another form toggles.
      a.Command = !f.IsMainForm && f.Minimized ? kScRestore : kScMinimize;
      a.SkipAnimation = f.IsMainForm;
      a.InvalidateCache = true;
      return true;
    case kHitMaxButton:
      if (!MaxButtonActive(f.Rules, f.Maximized)) return false;
      a.ResetHot = true;
      a.RestoreWindowState = f.Maximized;
      a.RepaintFrame = f.Maximized;
      a.Command = f.Maximized ? kScRestore : kScMaximize;
      a.RefreshMenu = true;
      return true;
    case kHitClose:
      a.NormalButton = kHitClose;
      a.Command = kScClose;
      return true;
    case kHitHelp:
      a.Command = kScContextHelp;
      a.ResetHot = true;
      a.RefreshMenu = true;
      a.RepaintFrame = true;
      return true;
    default:
      if (hit < kHitUserButton) return false;
      a.ResetHot = true;
      return true;
  }
}

// Without a press on a button first, a release there only ends the hot look.
bool ReleaseWithoutPress(uint32_t hit, TsClickAction& a) {
  switch (hit) {
    case kHitMinButton:
    case kHitMaxButton: a.ResetHot = a.PassOn = true; return true;
    case kHitHelp: a.ResetHot = true; return true;
    case kHitClose: return true;
    default: return false;
  }
}

TsClickAction LeftUp(uint32_t hit, const TsClickForm& f) {
  if (!f.DrawNonClientArea) return PassOn();
  TsClickAction a;
  if (f.Pressed ? ReleaseRunsCommand(hit, f, a) : ReleaseWithoutPress(hit, a)) return a;
  if (f.Pressed && hit == kHitMinButton) return PassOn();  // released off the button
  if (!f.Minimized) return PassOn();
  a.Drop = TsMenuDrop::AtMouse;
  return a;
}

TsClickAction DoubleClick(uint32_t hit, const TsClickForm& f) {
  TsClickAction a;
  if (hit == kHitSysMenu) {
    a.CloseForm = true;
  } else if (hit == kHitCaption) {
    const bool toggles =
        (f.Rules.HaveSysMenu && (f.Rules.EnabledMax || f.Rules.EnabledRestore)) || (!f.HasFrame && f.Minimized);
    if (toggles) {
      a.Command = f.Maximized || f.Minimized ? kScRestore : kScMaximize;
      a.RefreshMenu = true;
    } else if (f.Minimized) {
      a.Command = kScRestore;
    }
  }
  return a;
}

TsClickAction RightUp(uint32_t hit, const TsClickForm& f) {
  if (!f.HasFrame) return PassOn();
  TsClickAction a;
  if (OnCaptionOrIcon(hit)) {
    a.ResetHot = true;
    a.Drop = TsMenuDrop::AtMouse;
  }
  return a;
}

TsClickAction AfterSysCommand(const TsFrameClick& c, const TsClickForm& f) {
  TsClickAction a;
  const uint32_t command = SysCommandOf(c.Command);
  if (command == kScMaximize || command == kScRestore) a.NormalButton = kHitMaxButton;
  if (command == kScKeyMenu && c.Param == kSpaceKey && f.Rules.HaveSysMenu && f.HasFrame)
    a.Drop = TsMenuDrop::UnderIconByKey;
  return a;
}

}  // namespace

TsClickAction DecideFrameClick(const TsFrameClick& click, const TsClickForm& form) {
  TsClickAction a;
  switch (click.Message) {
    case TsFrameMessage::NcLButtonDown: return form.DrawNonClientArea ? LeftDown(click.HitCode, form) : PassOn();
    case TsFrameMessage::NcLButtonUp: return LeftUp(click.HitCode, form);
    case TsFrameMessage::NcLButtonDblClk: return DoubleClick(click.HitCode, form);
    case TsFrameMessage::NcRButtonDown: return OnCaptionOrIcon(click.HitCode) ? a : PassOn();
    case TsFrameMessage::NcRButtonUp: return RightUp(click.HitCode, form);
    case TsFrameMessage::SysCommand: return AfterSysCommand(click, form);
    case TsFrameMessage::WindowMenuRequest: a.Drop = TsMenuDrop::AtMouse; return a;
    case TsFrameMessage::MouseLeave: a.ResetHot = a.PassOn = true; return a;
  }
  return a;
}

}  // namespace wakespan
