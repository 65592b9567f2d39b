// What the frame code knows of a skinned form's window: its styles, border
// style, sizes and the system's frame metrics. The Win32 side fills one from
// the real window; tests fill them by hand.
#pragma once

#include <cstdint>

#include "skin/pixels/Geometry.h"

namespace wakespan {

enum class TsBorderStyle : uint8_t { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class TsCaptionAlignment : uint8_t { Left, Right, Center };

// Window style bits the frame geometry reads.
inline constexpr uint32_t kStyleThickFrame = 0x00040000;
inline constexpr uint32_t kStyleBorder = 0x00800000;
inline constexpr uint32_t kStyleCaption = 0x00C00000;  // border and dialog frame
inline constexpr uint32_t kStyleSysMenu = 0x00080000;
inline constexpr uint32_t kStyleMaximizeBox = 0x00010000;
inline constexpr uint32_t kStyleMinimizeBox = 0x00020000;
inline constexpr uint32_t kStyleChild = 0x40000000;

// The system metrics the frame is measured with.
struct TsSystemMetrics {
  int FrameWidth = 4;           // sizeable frame
  int DialogFrameWidth = 3;     // fixed frame
  int CaptionHeight = 18;
  int SmallCaptionHeight = 14;
  int MenuHeight = 19;
};

struct TsFrameWindow {
  uint32_t Style = 0;
  TsBorderStyle Border = TsBorderStyle::Single;
  int FormBorderWidth = 0;  // the form's own border width, inside the frame
  Point Position;           // window's top-left on the screen
  Size Window;              // window rectangle
  Size Client;
  bool Maximized = false;
  bool Minimized = false;
  bool MaxSizeConstrained = false;  // a maximum width or height is set
  bool HasParentControl = false;
  // The main menu bar: a menu with items on a form that is not a dialog.
  bool MainMenuShown = false;
  bool HasFirstMenuItemRect = false;
  int FirstMenuItemBottom = 0;  // screen coordinates
  TsSystemMetrics Metrics;
};

}  // namespace wakespan
