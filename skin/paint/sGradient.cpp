#include "skin/paint/sGradient.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/RoundHalfEven.h"
#include "skin/pixels/RowFill.h"

namespace wakespan {
namespace {

// The running channels of one segment, in single precision like the
// original arithmetic, so the rounding of every row or column is the same.
struct Ramp {
  float value[3];  // red, green, blue
  float step[3];

  Ramp(const TsGradPie& segment, int length) {
    const uint32_t c1 = uint32_t(segment.Color1), c2 = uint32_t(segment.Color2);
    const int from[3] = {RedOf(c1), GreenOf(c1), BlueOf(c1)};
    const int to[3] = {RedOf(c2), GreenOf(c2), BlueOf(c2)};
    for (int c = 0; c < 3; ++c) {
      value[c] = static_cast<float>(from[c]);
      step[c] = static_cast<float>(static_cast<double>(to[c] - from[c]) / length);
    }
  }
  // The current value as an opaque pixel, its bytes (blue, green, red,
  // alpha) from the low ones up; then one step on.
  uint32_t Next() {
    const uint32_t pixel = 0xFF000000u | uint32_t(RoundToByte(value[0])) << 16 |
                           uint32_t(RoundToByte(value[1])) << 8 | uint32_t(RoundToByte(value[2]));
    for (int c = 0; c < 3; ++c) value[c] += step[c];
    return pixel;
  }
  void Next(uint8_t pixel[4]) {
    const uint32_t bytes = Next();
    for (int b = 0; b < 4; ++b) pixel[b] = static_cast<uint8_t>(bytes >> (8 * b));
  }
};

void Vertical(Bitmap& B, const Rect& R, const TsGradArray& G, int extra) {
  const int bytes = B.BytesPerPixel();
  const int last = R.Bottom - 1;
  const long long height = static_cast<long long>(R.Height()) + extra;
  int start = R.Top + extra;
  // The colour changes only every few rows: the row fill is rebuilt then.
  const uint8_t none[4] = {};
  uint32_t filling = 0;  // the pixel of `fill`; never a value Next gives
  PixelRowFill fill(none, bytes);
  for (size_t i = 0; i < G.size(); ++i) {
    long long end = i + 1 == G.size() ? last : start + G[i].Percent * height / 100;
    // A segment cut at the last row onto its own start means the bottom is
    // reached; an empty one before that only paints nothing.
    const bool cut = end > last;
    if (cut) end = last;
    if (end <= start && cut) break;
    if (end > start) {
      Ramp ramp(G[i], static_cast<int>(end - start));
      for (int y = start; y <= end; ++y) {
        const uint32_t pixel = ramp.Next();
        if (y < R.Top) continue;
        if (pixel != filling) {
          fill.Set(pixel);
          filling = pixel;
        }
        fill.Fill(B.Row(y) + R.Left * bytes, R.Width());
      }
    }
    start = static_cast<int>(end);
  }
}

void Horizontal(Bitmap& B, const Rect& R, const TsGradArray& G) {
  const int bytes = B.BytesPerPixel();
  const int last = R.Right - 1;
  // One row is computed, then copied to every row of R.
  static thread_local std::vector<uint8_t> row;
  row.assign(static_cast<size_t>(R.Width()) * bytes, 0);
  int start = R.Left;
  for (size_t i = 0; i < G.size(); ++i) {
    const int end = i + 1 == G.size()
                        ? last
                        : static_cast<int>(RoundHalfEven(G[i].Percent * R.Width() / 100.0 + start));
    if (end - start > 0) {
      Ramp ramp(G[i], end - start);
      uint8_t pixel[4];
      for (int x = start; x <= end; ++x) {
        ramp.Next(pixel);
        if (x >= R.Left && x <= last) std::memcpy(&row[size_t(x - R.Left) * bytes], pixel, size_t(bytes));
      }
    }
    start = end;
  }
  for (int y = R.Top; y < R.Bottom; ++y) std::memcpy(B.Row(y) + R.Left * bytes, row.data(), row.size());
}

GradientVertex Vertex(int x, int y, TColor color) {
  const uint32_t c = uint32_t(color);
  GradientVertex v;
  v.X = x, v.Y = y;
  v.Red = uint16_t(RedOf(c) << 8), v.Green = uint16_t(GreenOf(c) << 8), v.Blue = uint16_t(BlueOf(c) << 8);
  return v;
}

void FourCorners(Bitmap& B, const Rect& R, const TsGradArray& G) {
  const Point at[5] = {{R.Left, R.Top},
                       {R.Left + R.Width() / 2, R.Top + R.Height() / 2},
                       {R.Right, R.Top},
                       {R.Right, R.Bottom},
                       {R.Left, R.Bottom}};
  GradientVertex v[5];
  TColor color = G[0].Color1;
  for (size_t i = 0; i < 5; ++i) {
    if (i < G.size()) color = G[i].Color1;  // a missing segment repeats the previous colour
    v[i] = Vertex(at[i].X, at[i].Y, color);
  }
  static const GradientTriangle triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  PaintPlatform().FillTriangles(B, v, 5, triangles, 4);
}

}  // namespace

void PaintGradient(Bitmap& B, Rect R, const TsGradArray& G, int extraHeight) {
  if (R.IsEmpty() || B.IsEmpty() || G.empty()) return;
  R.Right = std::min(R.Right, B.Width());
  R.Bottom = std::min(R.Bottom, B.Height());
  R.Left = std::max(R.Left, 0);
  R.Top = std::max(R.Top, 0);
  if (R.IsEmpty()) return;
  switch (G[0].Mode1) {
    case 0:
      Vertical(B, R, G, extraHeight);
      break;
    case 1:
      Horizontal(B, R, G);
      break;
    case 2:
      FourCorners(B, R, G);
      break;
    default:
      break;
  }
}

}  // namespace wakespan
