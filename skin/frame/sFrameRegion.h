// The window region of a skinned frame: the key-coloured pixels of the
// skin's border corners are cut out of the window rectangle.
#pragma once

#include <vector>

#include "skin/frame/sFrameWindow.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TsSkinModel;

// One-pixel-high runs of key colour in the corners, in window coordinates:
// the top and bottom corners of the form's border image, then the top
// corners of the title section's border image. Invalid indexes add nothing.
std::vector<Rect> CollectCornerRects(const TsSkinModel& m, int formBorderIndex, int titleBorderIndex, Size window);

// A region as the window rectangle part kept, minus the cut rectangles.
struct TsFrameRegion {
  Rect Bounds;
  std::vector<Rect> Cuts;
};

// The window rectangle less the corner runs; a maximized window without a
// maximum size keeps only the rectangle inside its frame, since the frame
// lies outside the monitor.
TsFrameRegion MakeFrameRegion(const TsFrameWindow& w, std::vector<Rect> cuts);

}  // namespace wakespan
