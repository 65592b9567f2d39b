// What a mouse message on the skinned frame does: press a title button,
// run its command on release, drop the system menu, or leave the message
// to the window's previous procedure. A decision table; the Win32 side
// carries out the action.
#pragma once

#include <cstdint>

#include "skin/frame/sSystemMenuRules.h"
#include "skin/frame/sTitleButtons.h"

namespace wakespan {

enum class TsFrameMessage : uint8_t {
  NcLButtonDown,
  NcLButtonUp,  // and the client-area release of a captured press
  NcLButtonDblClk,
  NcRButtonDown,
  NcRButtonUp,        // the hit code is that of a fresh hit test
  SysCommand,         // after the default processing; Command and Param set
  WindowMenuRequest,  // the taskbar asks for the window menu (0x313)
  MouseLeave,
};

struct TsFrameClick {
  TsFrameMessage Message = TsFrameMessage::NcLButtonDown;
  uint32_t HitCode = kHitNowhere;
  uint32_t Command = 0;  // WM_SYSCOMMAND's wParam
  intptr_t Param = 0;    // WM_SYSCOMMAND's lParam
};

struct TsClickForm {
  bool DrawNonClientArea = true;
  bool HasFrame = true;
  bool Maximized = false;
  bool Minimized = false;
  bool IsMainForm = false;  // the application's main form
  bool Pressed = false;     // the program-wide pressed flag
  bool ReleaseInMinButton = false;
  bool SkinnedPopups = true;
  TsTitleButtonRules Rules;
};

// The steps of an action, carried out in the order of the fields.
struct TsClickAction {
  bool ResetHot = false;        // SetHotCode(0) with repaint
  uint32_t Press = 0;           // PressTitleButton(code)
  uint32_t NormalButton = 0;    // this button back to state 0, hot code kept
  bool WaitBeforeDrop = false;  // let pending messages through for 200 ms
  TsMenuDrop Drop = TsMenuDrop::None;
  bool RestoreWindowState = false;  // the form's WindowState := normal
  uint32_t Command = 0;             // WM_SYSCOMMAND sent to the form
  bool SkipAnimation = false;       // set on the provider while the command runs
  bool CloseForm = false;
  bool FocusOnly = false;        // focus the form, no dragging
  bool InvalidateCache = false;  // BGChanged
  bool RefreshMenu = false;      // the system menu's items
  bool RepaintFrame = false;
  bool PassOn = false;  // hand the message to the previous procedure
};

TsClickAction DecideFrameClick(const TsFrameClick& click, const TsClickForm& form);

}  // namespace wakespan
