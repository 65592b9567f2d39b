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

// The common part of two rectangles; empty ones come out with zero size.
inline Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
         a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.IsEmpty()) r = Rect{r.Left, r.Top, r.Left, r.Top};
  return r;
}

// The part of a run of `count` positions, starting at `dst` in a destination
// of `dstSize` and at `src` in a source of `srcSize`, that lies inside both:
// offsets First .. First + Count - 1 of the run. Wide arithmetic keeps huge
// or negative starts from overflowing.
struct Span {
  int First = 0;
  int Count = 0;
};

inline Span ClipSpan(long long dst, long long src, long long count, int dstSize, int srcSize) {
  long long first = 0;
  if (-dst > first) first = -dst;
  if (-src > first) first = -src;
  long long end = count;
  if (dstSize - dst < end) end = dstSize - dst;
  if (srcSize - src < end) end = srcSize - src;
  if (end <= first) return Span{};
  return Span{static_cast<int>(first), static_cast<int>(end - first)};
}

}  // namespace wakespan
