// What mouse messages on the skinned frame do: presses and releases of the
// title buttons, double clicks on the caption, the system menu's drops.
#include <gtest/gtest.h>

#include "skin/frame/sFrameClicks.h"
#include "skin/frame/sTitleButtonStates.h"

namespace wakespan {
namespace {

TsClickForm SingleForm() {
  TsSysMenuForm f;
  f.HaveSysMenu = true;
  f.BiMaximize = f.BiMinimize = true;
  TsClickForm form;
  form.Rules = TitleButtonRules(f);
  return form;
}

TsClickAction Click(TsFrameMessage m, uint32_t hit, const TsClickForm& f) {
  return DecideFrameClick(TsFrameClick{m, hit, 0, 0}, f);
}
TsClickAction Up(uint32_t hit, const TsClickForm& f) { return Click(TsFrameMessage::NcLButtonUp, hit, f); }

TEST(FrameClicks, PressAndReleaseOnCloseClosesSlidingOffDoesNothing) {
  TsTitleButtons buttons;
  int hot = 0;
  bool pressed = false;
  const TsTitleButtonStates states{buttons, hot, pressed};
  TsClickForm form = SingleForm();

  const TsClickAction down = Click(TsFrameMessage::NcLButtonDown, kHitClose, form);
  EXPECT_EQ(down.Press, kHitClose);
  EXPECT_FALSE(down.PassOn);
  SetHotCode(states, int(kHitClose));
  PressTitleButton(states, int(down.Press), true);
  form.Pressed = pressed;
  const TsClickAction release = Up(kHitClose, form);
  EXPECT_EQ(release.Command, kScClose);
  EXPECT_EQ(release.NormalButton, kHitClose);

  // Pressed on close, released on maximize: the hot change cleared the flag.
  SetHotCode(states, int(kHitMaxButton));
  form.Pressed = pressed;
  const TsClickAction slid = Up(kHitMaxButton, form);
  EXPECT_EQ(slid.Command, 0u);
  EXPECT_TRUE(slid.ResetHot);
  EXPECT_TRUE(slid.PassOn);
  const TsClickAction closeUnpressed = Up(kHitClose, form);
  EXPECT_EQ(closeUnpressed.Command, 0u);
  EXPECT_FALSE(closeUnpressed.PassOn);
}

TEST(FrameClicks, MinimizeOnTheMainFormAndOnAnotherMinimizedForm) {
  TsClickForm form = SingleForm();
  form.Pressed = true;
  form.ReleaseInMinButton = true;
  form.IsMainForm = true;
  TsClickAction a = Up(kHitMinButton, form);
  EXPECT_EQ(a.Command, kScMinimize);
  EXPECT_TRUE(a.SkipAnimation && a.ResetHot && a.InvalidateCache);
  form.IsMainForm = false;
  EXPECT_EQ(Up(kHitMinButton, form).Command, kScMinimize);
  form.Minimized = true;
  a = Up(kHitMinButton, form);
  EXPECT_EQ(a.Command, kScRestore);
  EXPECT_FALSE(a.SkipAnimation);
  form.ReleaseInMinButton = false;  // released beside the button
  a = Up(kHitMinButton, form);
  EXPECT_EQ(a.Command, 0u);
  EXPECT_TRUE(a.PassOn);
}

TEST(FrameClicks, MaximizeAndHelpReleases) {
  TsClickForm form = SingleForm();
  form.Pressed = true;
  TsClickAction a = Up(kHitMaxButton, form);
  EXPECT_EQ(a.Command, kScMaximize);
  EXPECT_TRUE(a.RefreshMenu && a.ResetHot);
  EXPECT_FALSE(a.RestoreWindowState);
  form.Maximized = true;
  form.Rules.EnabledMax = false;
  form.Rules.EnabledRestore = true;
  a = Up(kHitMaxButton, form);
  EXPECT_EQ(a.Command, kScRestore);
  EXPECT_TRUE(a.RestoreWindowState && a.RepaintFrame && a.RefreshMenu);
  form.Rules.EnabledRestore = false;  // can do nothing
  a = Up(kHitMaxButton, form);
  EXPECT_EQ(a.Command, 0u);
  EXPECT_TRUE(a.PassOn);
  a = Up(kHitHelp, form);
  EXPECT_EQ(a.Command, kScContextHelp);
  EXPECT_TRUE(a.ResetHot && a.RefreshMenu && a.RepaintFrame);
  // A minimized form's menu drops where the caption is released.
  form.Minimized = true;
  EXPECT_EQ(Up(kHitCaption, form).Drop, TsMenuDrop::AtMouse);
  form.Minimized = false;
  EXPECT_TRUE(Up(kHitCaption, form).PassOn);
  form.DrawNonClientArea = false;
  EXPECT_EQ(Up(kHitClose, form).Command, 0u);
}

TEST(FrameClicks, LeftPresses) {
  TsClickForm form = SingleForm();
  TsClickAction a = Click(TsFrameMessage::NcLButtonDown, kHitSysMenu, form);
  EXPECT_EQ(a.Drop, TsMenuDrop::UnderIcon);
  EXPECT_TRUE(a.ResetHot);
  EXPECT_FALSE(a.WaitBeforeDrop);
  form.SkinnedPopups = false;
  EXPECT_TRUE(Click(TsFrameMessage::NcLButtonDown, kHitSysMenu, form).WaitBeforeDrop);
  EXPECT_TRUE(Click(TsFrameMessage::NcLButtonDown, kHitMenu, form).PassOn);
  EXPECT_EQ(Click(TsFrameMessage::NcLButtonDown, kHitUserButton, form).Press, kHitUserButton);
  a = Click(TsFrameMessage::NcLButtonDown, kHitCaption, form);
  EXPECT_TRUE(a.ResetHot && a.PassOn);
  form.Maximized = true;
  a = Click(TsFrameMessage::NcLButtonDown, kHitCaption, form);
  EXPECT_TRUE(a.FocusOnly);
  EXPECT_FALSE(a.PassOn);
  EXPECT_TRUE(Click(TsFrameMessage::NcLButtonDown, kHitTop, form).PassOn);
  form.Maximized = false;
  form.Minimized = true;
  EXPECT_EQ(Click(TsFrameMessage::NcLButtonDown, kHitCaption, form).Command, kScDragMove);
  form.DrawNonClientArea = false;
  EXPECT_TRUE(Click(TsFrameMessage::NcLButtonDown, kHitClose, form).PassOn);
}

TEST(FrameClicks, DoubleClicksOnCaptionAndIcon) {
  TsClickForm form = SingleForm();
  const auto dbl = [&](uint32_t hit) { return Click(TsFrameMessage::NcLButtonDblClk, hit, form); };
  EXPECT_EQ(dbl(kHitCaption).Command, kScMaximize);
  EXPECT_TRUE(dbl(kHitCaption).RefreshMenu);
  EXPECT_FALSE(dbl(kHitCaption).PassOn);
  form.Maximized = true;
  EXPECT_EQ(dbl(kHitCaption).Command, kScRestore);
  EXPECT_TRUE(dbl(kHitSysMenu).CloseForm);
  // A dialog has neither: only a minimized one is restored.
  TsSysMenuForm d;
  d.HaveSysMenu = true;
  d.Border = TsBorderStyle::Dialog;
  form = TsClickForm{};
  form.Rules = TitleButtonRules(d);
  EXPECT_EQ(dbl(kHitCaption).Command, 0u);
  EXPECT_FALSE(dbl(kHitCaption).PassOn);
  form.Minimized = true;
  EXPECT_EQ(dbl(kHitCaption).Command, kScRestore);
  EXPECT_FALSE(dbl(kHitCaption).RefreshMenu);
  form.HasFrame = false;  // a frameless minimized form toggles
  EXPECT_TRUE(dbl(kHitCaption).RefreshMenu);
  EXPECT_FALSE(dbl(kHitClose).PassOn);
}

TEST(FrameClicks, RightClicksSysCommandsAndMouseLeave) {
  TsClickForm form = SingleForm();
  EXPECT_FALSE(Click(TsFrameMessage::NcRButtonDown, kHitCaption, form).PassOn);
  EXPECT_TRUE(Click(TsFrameMessage::NcRButtonDown, kHitClient, form).PassOn);
  TsClickAction a = Click(TsFrameMessage::NcRButtonUp, kHitSysMenu, form);
  EXPECT_EQ(a.Drop, TsMenuDrop::AtMouse);
  EXPECT_TRUE(a.ResetHot);
  EXPECT_EQ(Click(TsFrameMessage::NcRButtonUp, kHitClose, form).Drop, TsMenuDrop::None);
  EXPECT_EQ(Click(TsFrameMessage::WindowMenuRequest, kHitNowhere, form).Drop, TsMenuDrop::AtMouse);
  a = Click(TsFrameMessage::MouseLeave, kHitNowhere, form);
  EXPECT_TRUE(a.ResetHot && a.PassOn);

  // Alt+Space on a framed form with a system menu drops it under the icon.
  const auto sys = [&](uint32_t command, intptr_t param) {
    return DecideFrameClick(TsFrameClick{TsFrameMessage::SysCommand, 0, command, param}, form);
  };
  EXPECT_EQ(sys(kScKeyMenu, 32).Drop, TsMenuDrop::UnderIconByKey);
  EXPECT_EQ(sys(kScKeyMenu, 'f').Drop, TsMenuDrop::None);
  // A caption double click maximizes with the hit code in the low bits.
  EXPECT_EQ(sys(kScMaximize | kHitCaption, 0).NormalButton, kHitMaxButton);
  EXPECT_EQ(sys(kScRestore, 0).NormalButton, kHitMaxButton);
  EXPECT_FALSE(sys(kScRestore, 0).PassOn);  // already processed
  form.HasFrame = false;
  EXPECT_EQ(sys(kScKeyMenu, 32).Drop, TsMenuDrop::None);
  EXPECT_TRUE(Click(TsFrameMessage::NcRButtonUp, kHitCaption, form).PassOn);
}

}  // namespace
}  // namespace wakespan
