#include "skin/paint/HostPaintPlatform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "skin/data/sSysColors.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/RowFill.h"
#include "skin/pixels/ScratchBuffer.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

// Area-averaging weights of one axis, in fixed point: destination pixel d
// covers source units [d * srcLength, (d + 1) * srcLength) where source
// pixel i covers [i * dstLength, (i + 1) * dstLength); each weight is its
// overlap scaled so that the weights of one destination pixel add up to
// exactly kOne (the rounding remainder goes to the largest).
constexpr int kShift = 14;
constexpr uint32_t kOne = 1u << kShift;

struct Taps {
  std::vector<int> first;   // first source pixel of each destination pixel
  std::vector<int> count;   // number of source pixels
  std::vector<int> offset;  // start of each destination pixel's weights
  std::vector<uint32_t> weights;
  int srcLength = -1, dstLength = -1;  // what they were built for
};

void BuildTaps(int srcLength, int dstLength, Taps& taps) {
  taps.first.resize(size_t(dstLength));
  taps.count.resize(size_t(dstLength));
  taps.offset.resize(size_t(dstLength));
  taps.weights.clear();
  // Lengths are at most Bitmap::kMaxDimension, so the products fit 32 bits.
  const uint32_t n = static_cast<uint32_t>(srcLength), m = static_cast<uint32_t>(dstLength);
  for (uint32_t d = 0; d < m; ++d) {
    const uint32_t from = d * n, to = from + n;
    const uint32_t i0 = from / m, i1 = (to - 1) / m;
    taps.first[d] = static_cast<int>(i0);
    taps.count[d] = static_cast<int>(i1 - i0 + 1);
    taps.offset[d] = static_cast<int>(taps.weights.size());
    uint32_t total = 0;
    size_t largest = taps.weights.size();
    for (uint32_t i = i0; i <= i1; ++i) {
      const uint32_t lo = std::max(from, i * m), hi = std::min(to, (i + 1) * m);
      const uint32_t w = (hi - lo) * kOne / n;
      taps.weights.push_back(w);
      if (w > taps.weights[largest]) largest = taps.weights.size() - 1;
      total += w;
    }
    taps.weights[largest] += kOne - total;
  }
}

// Rebuilds only when the lengths change: the border painter stretches its
// parts again and again with the same few lengths.
void EnsureTaps(int srcLength, int dstLength, Taps& taps) {
  if (taps.srcLength == srcLength && taps.dstLength == dstLength) return;
  BuildTaps(srcLength, dstLength, taps);
  taps.srcLength = srcLength;
  taps.dstLength = dstLength;
}

Rect ClipTo(Rect r, const Bitmap& b) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, b.Width());
  r.Bottom = std::min(r.Bottom, b.Height());
  return r;
}

std::string RectText(const Rect& r) {
  char text[64];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d", r.Left, r.Top, r.Right, r.Bottom);
  return text;
}

// `count` destination pixels from values scaled by 2^8, rounded.
void RoundRowDown(const uint32_t* a, uint8_t* d, int count, int db) {
  for (int x = 0; x < count; ++x, a += 3, d += db) {
    for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>((a[c] + 128) >> 8);
    if (db == 4) d[3] = 255;
  }
}

// Columns x0..x1 of one source row of `sb`-byte pixels, as values scaled by
// 2^8. The taps are read through local pointers: the stores to `out` could
// otherwise alias them and force a reload of every vector on each pixel.
void WeighColumns(const uint8_t* s, int sb, const Taps& taps, int x0, int x1, uint32_t* out) {
  const int* first = taps.first.data();
  const int* count = taps.count.data();
  const int* offset = taps.offset.data();
  const uint32_t* weights = taps.weights.data();
  constexpr int kDown = kShift - 8;
  for (int x = x0; x < x1; ++x) {
    uint32_t sum0 = 0, sum1 = 0, sum2 = 0;
    const uint32_t* w = weights + offset[x];
    const uint8_t* p = s + first[x] * sb;
    for (int i = 0; i < count[x]; ++i, p += sb) {
      sum0 += w[i] * p[0], sum1 += w[i] * p[1], sum2 += w[i] * p[2];
    }
    out[x * 3] = (sum0 + (1u << (kDown - 1))) >> kDown;
    out[x * 3 + 1] = (sum1 + (1u << (kDown - 1))) >> kDown;
    out[x * 3 + 2] = (sum2 + (1u << (kDown - 1))) >> kDown;
  }
}

// `count` destination pixels from `taps` rows of values scaled by 2^8,
// `rowStep` values apart, with their weights.
void WeighRows(const uint32_t* a0, size_t rowStep, const uint32_t* w, int taps, uint8_t* d, int count,
               int db) {
  constexpr int kFinal = kShift + 8;
  for (int x = 0; x < count; ++x, d += db) {
    uint32_t sum0 = 0, sum1 = 0, sum2 = 0;
    const uint32_t* a = a0 + x * 3;
    for (int j = 0; j < taps; ++j, a += rowStep) {
      sum0 += w[j] * a[0], sum1 += w[j] * a[1], sum2 += w[j] * a[2];
    }
    d[0] = static_cast<uint8_t>((sum0 + (1u << (kFinal - 1))) >> kFinal);
    d[1] = static_cast<uint8_t>((sum1 + (1u << (kFinal - 1))) >> kFinal);
    d[2] = static_cast<uint8_t>((sum2 + (1u << (kFinal - 1))) >> kFinal);
    if (db == 4) d[3] = 255;
  }
}

Bitmap* Target(DeviceContext dc) { return static_cast<Bitmap*>(dc.Handle); }

}  // namespace

void HostPaintPlatform::StretchHalftone(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr) {
  Sr = ClipTo(Sr, Src);
  if (Sr.IsEmpty() || Dr.IsEmpty() || B.IsEmpty()) return;
  const int sw = Sr.Width(), sh = Sr.Height(), dw = Dr.Width(), dh = Dr.Height();
  // Only the destination's pixels inside B are computed; the mapping stays
  // that of the whole rectangle.
  const Rect visible = ClipTo(Dr, B);
  if (visible.IsEmpty()) return;
  static thread_local Taps columns, rows;
  // sh rows of dw columns x 3 channels, each value scaled by 2^8.
  static thread_local std::vector<uint32_t> across;
  // Source rows of one colour (skin images are mostly such bands) stretch
  // into rows of that colour; uniform[y] marks them.
  static thread_local std::vector<uint8_t> uniform;
  const int sb = Src.BytesPerPixel(), db = B.BytesPerPixel();
  const int x0 = visible.Left - Dr.Left, x1 = visible.Right - Dr.Left;
  ScratchOf(uniform, size_t(sh));
  bool allUniform = true;
  for (int y = 0; y < sh; ++y) {
    const uint8_t* s = Src.Row(Sr.Top + y) + Sr.Left * sb;
    int same = 1;
    while (same < sw && std::memcmp(s, s + same * sb, 3) == 0) ++same;
    uniform[size_t(y)] = same == sw;
    allUniform = allUniform && same == sw;
  }
  // With every source row of one colour only the first column is needed.
  // An axis of equal lengths has one tap of weight kOne per pixel: columns
  // then give the source value scaled by 2^8, rows (value + 2^7) >> 8.
  const bool sameColumns = sw == dw, sameRows = sh == dh;
  if (!allUniform && !sameColumns) EnsureTaps(sw, dw, columns);
  if (!sameRows) EnsureTaps(sh, dh, rows);
  ScratchOf(across, size_t(sh) * size_t(dw) * 3);
  for (int y = 0; y < sh; ++y) {
    const uint8_t* s = Src.Row(Sr.Top + y) + Sr.Left * sb;
    uint32_t* out = &across[size_t(y) * size_t(dw) * 3];
    if (uniform[size_t(y)]) {
      const uint32_t value[3] = {uint32_t(s[0]) << 8, uint32_t(s[1]) << 8, uint32_t(s[2]) << 8};
      for (int x = x0; x < (allUniform ? x0 + 1 : x1); ++x)
        out[x * 3] = value[0], out[x * 3 + 1] = value[1], out[x * 3 + 2] = value[2];
      continue;
    }
    if (sameColumns) {
      for (int x = x0; x < x1; ++x)
        for (int c = 0; c < 3; ++c) out[x * 3 + c] = uint32_t(s[x * sb + c]) << 8;
      continue;
    }
    WeighColumns(s, sb, columns, x0, x1, out);
  }
  for (int y = visible.Top - Dr.Top; y < visible.Bottom - Dr.Top; ++y) {
    uint8_t* d = B.Row(Dr.Top + y) + visible.Left * db;
    const int first = sameRows ? y : rows.first[size_t(y)];
    const int count = sameRows ? 1 : rows.count[size_t(y)];
    const uint32_t* a0 = &across[size_t(first) * size_t(dw) * 3];
    bool flat = true;
    for (int j = 0; j < count; ++j) flat = flat && uniform[size_t(first + j)];
    // From rows of one colour each, the destination row is one colour too:
    // its first pixel is computed and copied along.
    const int pixels = flat ? 1 : x1 - x0;
    if (sameRows) {
      RoundRowDown(a0 + x0 * 3, d, pixels, db);
    } else {
      const uint32_t* w = &rows.weights[size_t(rows.offset[size_t(y)])];
      WeighRows(a0 + x0 * 3, size_t(dw) * 3, w, count, d, pixels, db);
    }
    if (flat) RepeatFirstPixel(B.Row(Dr.Top + y) + visible.Left * db, db, x1 - x0);
  }
}

bool HostPaintPlatform::FillTriangles(Bitmap& B, const GradientVertex* v, int vertexCount,
                                      const GradientTriangle* t, int triangleCount) {
  const int db = B.BytesPerPixel();
  for (int k = 0; k < triangleCount; ++k) {
    if (t[k].A >= uint32_t(vertexCount) || t[k].B >= uint32_t(vertexCount) ||
        t[k].C >= uint32_t(vertexCount))
      continue;
    const GradientVertex& a = v[t[k].A];
    const GradientVertex& b = v[t[k].B];
    const GradientVertex& c = v[t[k].C];
    const double area = double(b.X - a.X) * (c.Y - a.Y) - double(c.X - a.X) * (b.Y - a.Y);
    if (area == 0) continue;
    const int x0 = std::max({std::min({a.X, b.X, c.X}), 0});
    const int x1 = std::min({std::max({a.X, b.X, c.X}), B.Width()});
    const int y0 = std::max({std::min({a.Y, b.Y, c.Y}), 0});
    const int y1 = std::min({std::max({a.Y, b.Y, c.Y}), B.Height()});
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        // Barycentric weights of the pixel centre; inside when none is negative.
        const double px = x + 0.5, py = y + 0.5;
        const double wa = (double(b.X - px) * (c.Y - py) - double(c.X - px) * (b.Y - py)) / area;
        const double wb = (double(c.X - px) * (a.Y - py) - double(a.X - px) * (c.Y - py)) / area;
        const double wc = 1 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0) continue;
        const auto channel = [&](uint16_t ca, uint16_t cb, uint16_t cc) {
          return static_cast<uint8_t>(static_cast<int>(wa * ca + wb * cb + wc * cc) >> 8);
        };
        uint8_t* d = B.Row(y) + x * db;
        d[0] = channel(a.Blue, b.Blue, c.Blue);
        d[1] = channel(a.Green, b.Green, c.Green);
        d[2] = channel(a.Red, b.Red, c.Red);
        if (db == 4) d[3] = 255;
      }
    }
  }
  return true;
}

void HostPaintPlatform::OutputText(DeviceContext, std::u16string_view text, Rect R, uint32_t format,
                                 TColor color) {
  TextCalls.push_back(TextCall{std::u16string(text), R, format, ColorToRGB(color)});
}

void HostPaintPlatform::CopyToDC(DeviceContext dc, Rect R, const Bitmap& image) {
  DCLog.push_back("copy " + RectText(R));
  if (Bitmap* target = Target(dc)) CopyBlock(*target, R.Left, R.Top, image.Width(), image.Height(), image, 0, 0);
}

void HostPaintPlatform::FillDC(DeviceContext dc, Rect R, TColor color) {
  char hex[16];
  std::snprintf(hex, sizeof hex, " #%06X", unsigned(ColorToRGB(color)) & 0xFFFFFF);
  DCLog.push_back("fill " + RectText(R) + hex);
  if (Bitmap* target = Target(dc)) FillRectColor(*target, R, uint32_t(color));
}

int HostPaintPlatform::SaveDCState(DeviceContext) {
  DCLog.push_back("save " + std::to_string(++saves_));
  return saves_;
}

void HostPaintPlatform::RestoreDCState(DeviceContext, int saved) {
  DCLog.push_back("restore " + std::to_string(saved));
}

void HostPaintPlatform::MoveViewportOrigin(DeviceContext, int dx, int dy) {
  DCLog.push_back("origin " + std::to_string(dx) + "," + std::to_string(dy));
}

void HostPaintPlatform::IntersectClip(DeviceContext, Rect R) { DCLog.push_back("clip " + RectText(R)); }

namespace {

constexpr uint32_t kWordBreak = 0x10, kSingleLine = 0x20, kNoPrefix = 0x800;

// Characters a line shows: without kNoPrefix "&x" shows x and "&&" one '&'.
int ShownLength(std::u16string_view line, uint32_t format) {
  if (format & kNoPrefix) return static_cast<int>(line.size());
  int shown = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == u'&' && i + 1 < line.size()) ++i;
    ++shown;
  }
  return shown;
}

}  // namespace

Size HostPaintPlatform::MeasureText(FontRef, std::u16string_view text, uint32_t format, int widthLimit) {
  const int limit = (format & kWordBreak) && widthLimit > 0 ? widthLimit / kCharWidth : 0;
  int lines = 0, widest = 0;
  const auto addLine = [&](std::u16string_view line) {
    ++lines;
    widest = std::max(widest, ShownLength(line, format));
  };
  size_t start = 0;
  while (true) {
    const size_t end = (format & kSingleLine) ? text.size() : std::min(text.find(u'\n', start), text.size());
    std::u16string_view line = text.substr(start, end - start);
    // Word breaking: a line longer than the limit breaks at its last blank
    // that fits, or inside a word that alone is too long.
    while (limit > 0 && ShownLength(line, format) > limit) {
      size_t cut = line.rfind(u' ', size_t(limit));
      if (cut == std::u16string_view::npos || cut == 0) cut = size_t(limit);
      addLine(line.substr(0, cut));
      line = line.substr(std::min(line.size(), cut + (line[cut] == u' ' ? 1 : 0)));
    }
    addLine(line);
    if (end >= text.size()) break;
    start = end + 1;
  }
  if (text.empty()) return Size{0, 0};
  return Size{widest * kCharWidth, lines * kCharHeight};
}

DeviceContext HostPaintPlatform::OpenBitmapCanvas(Bitmap& B, Rect area, FontRef) {
  DCLog.push_back("canvas " + RectText(area));
  return HostDC(B);
}

void HostPaintPlatform::CloseBitmapCanvas(DeviceContext) { DCLog.push_back("canvas closed"); }

void HostPaintPlatform::DrawFocusRect(DeviceContext, Rect R) { FocusRects.push_back(R); }

}  // namespace wakespan
