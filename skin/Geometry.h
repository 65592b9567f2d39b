// Small value types for positions and rectangles in pixel coordinates.
#pragma once

namespace wakespan {

struct Point {
  int X = 0;
  int Y = 0;
};

struct Size {
  int Width = 0;
  int Height = 0;
};

// Half-open unless the operation that takes it says "inclusive": Left and Top
// belong to the rectangle, Right and Bottom do not.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

}  // namespace wakespan
