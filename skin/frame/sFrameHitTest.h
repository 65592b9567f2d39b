// The skinned frame's non-client hit test: which part of the window a
// point is on, and which title button (if any) becomes hot.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/frame/sTitleButtons.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// A title button the application added; this program adds none.
struct TsUserTitleButton {
  Rect R;  // window coordinates
  bool Visible = true;
  bool Enabled = true;
};

// Half-open: Left and Top are inside, Right and Bottom are not.
inline bool PointInRect(Point p, const Rect& r) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// The frame's measures and state the hit test reads (window coordinates).
struct TsFrameHitInput {
  Size Window;
  int FrameWidth = 0;  // F
  int CaptionHeight = 0;
  int MenuHeight = 0;
  int LinesCount = 0;
  bool Maximized = false;
  bool Minimized = false;
  bool ThickFrame = false;
  TsTitleButtonRules Rules;  // which buttons show, which commands are enabled
  Rect IconRect;             // empty without an icon
  bool GripShown = false;
  bool GripImageValid = false;  // "GRIPIMAGE" of "GLOBALINFO"
  Point GripPosition;
  std::vector<TsUserTitleButton> UserButtons;
};

struct TsHitResult {
  uint32_t Code = kHitNowhere;
  // The hot code to set (SetHotCode with repaint): a button's code, -1 on
  // a sizing border, 0 in the client area; none to keep the current one.
  std::optional<int> Hot;
};

// The hit code of point p (window coordinates).
TsHitResult HitTestFrame(Point p, const TsFrameHitInput& in, const TsTitleButtons& buttons);

// The answer to WM_NCHITTEST. Without a caption bar (or while the frame is
// not drawn) the system answers. Nowhere, client, caption and menu are
// left to the previous window procedure and make no button hot.
struct TsNcHitAnswer {
  bool AskPrevious = true;
  uint32_t Code = kHitNowhere;  // when not asking the previous procedure
  std::optional<int> Hot;
};
TsNcHitAnswer AnswerNcHitTest(Point p, const TsFrameHitInput& in, const TsTitleButtons& buttons, bool captionBarDrawn);

}  // namespace wakespan
