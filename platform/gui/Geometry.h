#pragma once
// Plain rectangle in a parent's client coordinates.

namespace gui {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool Contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
};

}  // namespace gui
