// The frame's measures, all in window coordinates ((0, 0) is the window
// rectangle's top-left): frame width, caption and menu bands, where the
// client area starts.
#pragma once

#include <array>

#include "skin/frame/sFrameWindow.h"

namespace wakespan {

// The system frame width F: sizeable frame, else fixed frame with a border,
// else none.
int FrameWidth(const TsFrameWindow& w);
// A border style, a child window: the form draws a frame.
bool HasFrame(const TsFrameWindow& w);
// F plus the form's own border width (the same both ways).
int BorderWidth(const TsFrameWindow& w);
// The caption band's height, 0 without a caption.
int CaptionHeight(const TsFrameWindow& w);
// One menu-bar row, 0 when the bar is not shown.
int MenuHeight(const TsFrameWindow& w);
// Rows of the menu bar: 0 without one, 1 when its first item is not known
// or lies on the last row.
int LinesCount(const TsFrameWindow& w);
int CaptionWidth(const TsFrameWindow& w);
int OffsetX(const TsFrameWindow& w);
int OffsetY(const TsFrameWindow& w);
// The non-client part above the client area, below the top border.
int HeaderHeight(const TsFrameWindow& w);
// The cache's height: the window's, or just the caption while minimized.
int FrameCacheHeight(const TsFrameWindow& w);

// The four strips a frame paint copies from the cache, in order: top, left,
// bottom, right. The client area is in none of them.
std::array<Rect, 4> FrameStrips(const TsFrameWindow& w, Size cache);

// The size grip's top-left in a cache.
Point GripPosition(Size cache, Size grip, int frameWidth);

}  // namespace wakespan
