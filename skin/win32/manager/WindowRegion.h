// Window regions made from rectangles, for the frames and the menus that
// cut their corners.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/gui/Handles.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// `bounds` without `holes`.
gui::OwnedRegion RectRegionWithout(const Rect& bounds, const std::vector<Rect>& holes);

// Gives `region` to `window`, which owns it once it has taken it; a refused
// (or missing) region stays ours to free. True when the window took it.
bool GiveRegionTo(HWND window, gui::OwnedRegion& region);

}  // namespace wakespan
