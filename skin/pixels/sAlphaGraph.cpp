#include "skin/pixels/sAlphaGraph.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "skin/data/sSkinProps.h"
#include "skin/pixels/PixelKernels.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/RoundHalfEven.h"
#include "skin/pixels/RowFill.h"
#include "skin/pixels/ScratchBuffer.h"

namespace wakespan {
namespace {

uint8_t MaskBlend(int dst, int src, int mask) {
  return static_cast<uint8_t>((dst * mask + src * (256 - mask)) >> 8);
}

// What the masked copies do with a key-colour source pixel.
enum class KeyPixel { Blend, Keep, Fill, Parent };

struct MaskedCopy {
  Span rows;
  Span cols;
  int dstX, dstY, srcX, srcY;  // the starts before the spans' offsets
  int maskOffset;              // rows from an image row down to its mask row
  KeyPixel onKey;
  bool faded;                  // every mask channel raised by 100, at most 255
};

void MaskedPixels(const MaskedCopy& job, Bitmap& B, const TCacheInfo& ci, const Bitmap& Src) {
  const int sb = Src.BytesPerPixel();
  const int db = B.BytesPerPixel();
  const uint32_t fill = ci.FillColor;
  for (int j = job.rows.First; j < job.rows.First + job.rows.Count; ++j) {
    const int dy = job.dstY + j;
    const int sx0 = job.srcX + job.cols.First;
    const uint8_t* s = Src.Row(job.srcY + j) + sx0 * sb;
    const uint8_t* m = Src.Row(job.srcY + j + job.maskOffset) + sx0 * sb;
    uint8_t* d = B.Row(dy) + (job.dstX + job.cols.First) * db;
    for (int i = job.cols.First; i < job.cols.First + job.cols.Count; ++i, s += sb, m += sb, d += db) {
      if (ReadColor24(s) == kSkinKeyColor && job.onKey != KeyPixel::Blend) {
        uint32_t parent;
        if (job.onKey == KeyPixel::Fill) {
          WriteColor24(d, fill);
        } else if (job.onKey == KeyPixel::Parent && ReadParentPixel(ci, B, job.dstX + i, dy, &parent)) {
          WriteColor24(d, parent);
        } else {
          continue;
        }
      } else {
        for (int c = 0; c < 3; ++c) {
          const int mask = job.faded ? std::min(m[c] + 100, 255) : m[c];
          d[c] = MaskBlend(d[c], s[c], mask);
        }
      }
      if (db == 4) d[3] = 255;
    }
  }
}

// Writes the fill colour or parent pixel where a source row has the key
// colour; the other pixels of the row are left to the caller.
void ReplaceKeyPixels(const MaskedCopy& job, Bitmap& B, const TCacheInfo& ci, const uint8_t* s,
                      uint8_t* d, int dy) {
  for (int i = 0; i < job.cols.Count; ++i, s += 3, d += 3) {
    if (ReadColor24(s) != kSkinKeyColor) continue;
    uint32_t parent;
    if (job.onKey == KeyPixel::Fill) {
      WriteColor24(d, ci.FillColor);
    } else if (ReadParentPixel(ci, B, job.dstX + job.cols.First + i, dy, &parent)) {
      WriteColor24(d, parent);
    }
  }
}

// One 24-bit row of job.cols pixels: blended whole into a scratch row, then
// the pixels whose source is not the key colour are taken over.
void MaskedRow24(const MaskedCopy& job, Bitmap& B, const TCacheInfo& ci, const uint8_t* s,
                 const uint8_t* m, int dy) {
  static thread_local std::vector<uint8_t> mixed;
  const int bytes = job.cols.Count * 3;
  const uint8_t lift = job.faded ? 100 : 0;
  uint8_t* d = B.Row(dy) + (job.dstX + job.cols.First) * 3;
  if (job.onKey == KeyPixel::Blend) return kernels::MaskBlendBytes(d, s, m, d, bytes, lift);
  uint8_t* out = ScratchOf(mixed, static_cast<size_t>(bytes));
  kernels::MaskBlendBytes(d, s, m, out, bytes, lift);
  if (job.onKey != KeyPixel::Keep) ReplaceKeyPixels(job, B, ci, s, d, dy);
  kernels::SelectUnlessKey(3, s, out, d, job.cols.Count, ColorToPixelOrder(kSkinKeyColor));
}

void MaskedRows24(const MaskedCopy& job, Bitmap& B, const TCacheInfo& ci, const Bitmap& Src) {
  const int sx0 = (job.srcX + job.cols.First) * 3;
  for (int j = job.rows.First; j < job.rows.First + job.rows.Count; ++j) {
    const uint8_t* s = Src.Row(job.srcY + j) + sx0;
    MaskedRow24(job, B, ci, s, Src.Row(job.srcY + j + job.maskOffset) + sx0, job.dstY + j);
  }
}

// The source row `s` of `width` pixels repeated from pixel `phase` on,
// `periods` times into `out`.
void TileRow(const uint8_t* s, int width, int phase, int periods, uint8_t* out) {
  std::memcpy(out, s + phase * 3, static_cast<size_t>(width - phase) * 3);
  std::memcpy(out + (width - phase) * 3, s, static_cast<size_t>(phase) * 3);
  RepeatFirstPixel(out, width * 3, periods);
}

// At most this many bytes of tiled rows are kept for reuse.
constexpr size_t kKeptTiles = 1 << 20;

// Sr's image rows, each tiled `periods` times from column `phase` on, then
// its mask rows alike, kept in the entry's cache; null when over its budget.
const Bitmap* TiledRowsKept(const TsMaskData& e, const Bitmap& Src, const Rect& Sr, int phase, int periods) {
  const int sw = Sr.Width(), sh = Sr.Height(), maskOffset = e.R.Height() / 2;
  StretchCache::Key key{nullptr, &Src, Sr, periods * sw, sh * 2, PixelFormat::Bgr24};
  key.What = StretchCache::Key::Content::TiledRows;
  key.Phase = phase;
  if (const Bitmap* kept = e.Stretched.Find(key)) return kept;
  if (static_cast<long long>(periods) * sw > Bitmap::kMaxDimension) return nullptr;
  Bitmap* fresh = e.Stretched.Add(key);
  if (fresh == nullptr) return nullptr;
  for (int y = 0; y < sh; ++y) {
    TileRow(Src.Row(Sr.Top + y) + Sr.Left * 3, sw, phase, periods, fresh->Row(y));
    TileRow(Src.Row(Sr.Top + y + maskOffset) + Sr.Left * 3, sw, phase, periods, fresh->Row(sh + y));
  }
  return fresh;
}

void RunMaskedCopy(const MaskedCopy& job, Bitmap& B, const TCacheInfo& ci, const Bitmap& Src) {
  if (job.rows.Count <= 0 || job.cols.Count <= 0) return;
  if (Src.BytesPerPixel() == 3 && B.BytesPerPixel() == 3 && &Src != &B) {
    MaskedRows24(job, B, ci, Src);
  } else {
    MaskedPixels(job, B, ci, Src);
  }
}

long long InclusiveLength(int first, int last) {
  return std::max<long long>(static_cast<long long>(last) - first + 1, 0);
}

}  // namespace

void CopyMasked(Rect D, Rect Sr, Bitmap& B, const TsMaskData& e, bool updateCorners,
                const TCacheInfo& ci, const Bitmap& Src) {
  CopyMaskedAt(D, Sr, B, e.R.Height() / 2, updateCorners, ci, Src);
}

void CopyMaskedAt(Rect D, Rect Sr, Bitmap& B, int maskOffset, bool updateCorners, const TCacheInfo& ci,
                  const Bitmap& Src) {
  if (B.IsEmpty() || Src.IsEmpty() || maskOffset < 0) return;
  MaskedCopy job;
  const long long rows = std::min<long long>(static_cast<long long>(D.Bottom) - D.Top,
                                             static_cast<long long>(Sr.Bottom) - Sr.Top);
  const long long cols = std::min<long long>(static_cast<long long>(D.Right) - D.Left,
                                             static_cast<long long>(Sr.Right) - Sr.Left);
  job.rows = ClipSpan(D.Top, Sr.Top, rows, B.Height(), Src.Height() - maskOffset);
  job.cols = ClipSpan(D.Left, Sr.Left, cols, B.Width(), Src.Width());
  job.dstX = D.Left, job.dstY = D.Top, job.srcX = Sr.Left, job.srcY = Sr.Top;
  job.maskOffset = maskOffset;
  job.faded = false;
  if (ci.Ready) {
    job.onKey = updateCorners ? KeyPixel::Parent : KeyPixel::Blend;
  } else {
    job.onKey = updateCorners ? KeyPixel::Fill : KeyPixel::Keep;
  }
  RunMaskedCopy(job, B, ci, Src);
}

bool CopyMaskedTiled(Rect D, Rect Sr, Bitmap& B, const TsMaskData& e, const TCacheInfo& ci,
                     const Bitmap& Src) {
  const int maskOffset = e.R.Height() / 2;
  if (B.Format() != PixelFormat::Bgr24 || Src.Format() != PixelFormat::Bgr24 || &B == &Src ||
      Sr.IsEmpty() || maskOffset < 0 || Sr.Left < 0 || Sr.Top < 0 || Sr.Right > Src.Width() ||
      Sr.Bottom > Src.Height() - maskOffset)
    return false;
  const long long width = static_cast<long long>(D.Right) - D.Left;
  const long long height = static_cast<long long>(D.Bottom) - D.Top;
  if (width > Bitmap::kMaxDimension || height > Bitmap::kMaxDimension) return false;
  MaskedCopy job;
  job.rows = ClipSpan(D.Top, 0, height, B.Height(), static_cast<int>(std::max(height, 0LL)));
  job.cols = ClipSpan(D.Left, 0, width, B.Width(), static_cast<int>(std::max(width, 0LL)));
  if (job.rows.Count <= 0 || job.cols.Count <= 0) return true;
  job.dstX = D.Left, job.dstY = D.Top;
  job.maskOffset = maskOffset;
  job.onKey = ci.Ready ? KeyPixel::Blend : KeyPixel::Keep;
  job.faded = false;
  const int sw = Sr.Width(), sh = Sr.Height(), phase = job.cols.First % sw;
  // Rows that stay within one copy of Sr are read in place. The others are
  // read from Sr's rows tiled (image, then mask rows): kept in the entry
  // for the next paint of this width, or else made in scratch rows, each
  // source row once when it serves several destination rows.
  const bool wraps = phase + job.cols.Count > sw;
  const int periods = (job.cols.Count + sw - 1) / sw;
  const Bitmap* strip = wraps ? TiledRowsKept(e, Src, Sr, phase, periods) : nullptr;
  const size_t rowBytes = static_cast<size_t>(periods) * static_cast<size_t>(sw) * 3;
  const bool keep = job.rows.Count > sh && static_cast<size_t>(sh) * rowBytes * 2 <= kKeptTiles;
  static thread_local std::vector<uint8_t> tiles;
  uint8_t* tiled =
      wraps && !strip ? ScratchOf(tiles, static_cast<size_t>(keep ? sh : 1) * rowBytes * 2) : nullptr;
  for (int j = job.rows.First; j < job.rows.First + job.rows.Count; ++j) {
    const int sy = Sr.Top + j % sh;
    const uint8_t* s = Src.Row(sy) + Sr.Left * 3;
    const uint8_t* m = Src.Row(sy + maskOffset) + Sr.Left * 3;
    if (strip) {
      MaskedRow24(job, B, ci, strip->Row(j % sh), strip->Row(sh + j % sh), D.Top + j);
    } else if (wraps) {
      const int visit = j - job.rows.First;
      uint8_t* t = tiled + (keep ? visit % sh : 0) * rowBytes * 2;
      if (!keep || visit < sh) {
        TileRow(s, sw, phase, periods, t);
        TileRow(m, sw, phase, periods, t + rowBytes);
      }
      MaskedRow24(job, B, ci, t, t + rowBytes, D.Top + j);
    } else {
      MaskedRow24(job, B, ci, s + phase * 3, m + phase * 3, D.Top + j);
    }
  }
  return true;
}

void CopyGlyphMasked(Rect Dr, Rect Sr, Bitmap& B, const TsMaskData& e, int g, const Bitmap& Src) {
  if (B.IsEmpty() || Src.IsEmpty()) return;
  long long rows = std::min(InclusiveLength(Sr.Top, Sr.Bottom), InclusiveLength(Dr.Top, Dr.Bottom));
  const long long cols =
      std::min(InclusiveLength(Sr.Left, Sr.Right), InclusiveLength(Dr.Left, Dr.Right));
  if (e.MaskType <= 0) {
    TCacheInfo keepKeyPixels;
    keepKeyPixels.Ready = true;
    const Rect part{Sr.Left, Sr.Top, static_cast<int>(std::min<long long>(Sr.Left + cols - 1, Sr.Right)),
                    static_cast<int>(std::min<long long>(Sr.Top + rows - 1, Sr.Bottom))};
    CopyKeyed(B, Src, Dr.Left, Dr.Top, false, keepKeyPixels, kSkinKeyColor, part);
    return;
  }
  MaskedCopy job;
  job.maskOffset = StateHeight(e);
  if (e.ImageCount < 1) rows = std::min<long long>(rows, job.maskOffset);
  job.rows = ClipSpan(Dr.Top, Sr.Top, rows, B.Height(), Src.Height() - job.maskOffset);
  job.cols = ClipSpan(Dr.Left, Sr.Left, cols, B.Width(), Src.Width());
  job.dstX = Dr.Left, job.dstY = Dr.Top, job.srcX = Sr.Left, job.srcY = Sr.Top;
  job.onKey = KeyPixel::Keep;
  job.faded = g != 1;
  RunMaskedCopy(job, B, TCacheInfo{}, Src);
}

namespace {

// One channel of BlendPercent, in the order written so the double rounding
// steps are always the same: S - D is exact, p * (S - D) and the subtraction
// round once each, then the result rounds half to even.
inline uint8_t PercentChannel(double p, int src, int dst) {
  const double part = p * static_cast<double>(src - dst);
  const double mixed = static_cast<double>(src) - part;
  return static_cast<uint8_t>(RoundHalfEven(mixed));
}

// For large blends the channel result of every (source, destination) byte
// pair is computed once into a 64 KB table with the same formula, so the
// per-pixel work is three lookups and the results stay identical to the
// direct computation. Small blends compute directly.
class PercentMixer {
 public:
  PercentMixer(double p, long long channels) : p_(p) {
    if (channels < kTableSize) return;
    table_.reset(new uint8_t[kTableSize]);
    for (int s = 0; s < 256; ++s) {
      uint8_t* row = table_.get() + s * 256;
      for (int d = 0; d < 256; ++d) row[d] = PercentChannel(p, s, d);
    }
  }
  uint8_t Mix(int src, int dst) const {
    return table_ ? table_[src << 8 | dst] : PercentChannel(p_, src, dst);
  }

 private:
  static constexpr long long kTableSize = 256 * 256;
  double p_;
  std::unique_ptr<uint8_t[]> table_;
};

template <int SrcBytes, int DstBytes>
void PercentRows(Bitmap& B, int X, int Y, uint32_t key, const PercentMixer& mixer, const Rect& Sr,
                 const Span& rows, const Span& cols, const Bitmap& Src) {
  const bool keyed = (key >> 24) != 0xFF;
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const uint8_t* s = Src.Row(Sr.Top + j) + (Sr.Left + cols.First) * SrcBytes;
    uint8_t* d = B.Row(Y + j) + (X + cols.First) * DstBytes;
    for (int i = 0; i < cols.Count; ++i, s += SrcBytes, d += DstBytes) {
      if (keyed && (SrcBytes == 4 ? ReadColor32(s) : ReadColor24(s)) == key) continue;
      d[0] = mixer.Mix(s[0], d[0]);
      d[1] = mixer.Mix(s[1], d[1]);
      d[2] = mixer.Mix(s[2], d[2]);
    }
  }
}

// Same formats and a fraction the fixed-point kernel reproduces exactly:
// each row is mixed into a scratch row, then the pixels whose source is not
// the key are taken over.
template <int Bytes>
void PercentRowsFixed(Bitmap& B, int X, int Y, uint32_t key, int weight, const Rect& Sr,
                      const Span& rows, const Span& cols, const Bitmap& Src) {
  const bool keyed = (key >> 24) != 0xFF && (Bytes == 4 || (key >> 24) == 0);
  const int bytes = cols.Count * Bytes;
  std::vector<uint8_t> mixed(static_cast<size_t>(bytes));
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const uint8_t* s = Src.Row(Sr.Top + j) + (Sr.Left + cols.First) * Bytes;
    uint8_t* d = B.Row(Y + j) + (X + cols.First) * Bytes;
    kernels::PercentBlendBytes(s, d, mixed.data(), bytes, weight, Bytes == 4);
    if (keyed) {
      kernels::SelectUnlessKey(Bytes, s, mixed.data(), d, cols.Count, ColorToPixelOrder(key));
    } else {
      std::memcpy(d, mixed.data(), static_cast<size_t>(bytes));
    }
  }
}

}  // namespace

void BlendPercent(Bitmap& B, int X, int Y, uint32_t key, double p, Rect Sr, const Bitmap& Src) {
  if (B.IsEmpty() || Src.IsEmpty()) return;
  if (!(p >= 0)) p = 0;  // also NaN
  if (p > 1) p = 1;
  long long x = X, y = Y;
  if (Sr.Left < 0) x -= Sr.Left, Sr.Left = 0;
  if (Sr.Top < 0) y -= Sr.Top, Sr.Top = 0;
  Sr.Right = std::min(Sr.Right, Src.Width() - 1);
  Sr.Bottom = std::min(Sr.Bottom, Src.Height() - 1);
  const Span rows = ClipSpan(y, Sr.Top, InclusiveLength(Sr.Top, Sr.Bottom), B.Height(), Src.Height());
  const Span cols = ClipSpan(x, Sr.Left, InclusiveLength(Sr.Left, Sr.Right), B.Width(), Src.Width());
  if (rows.Count == 0 || cols.Count == 0) return;
  const int dx = static_cast<int>(x), dy = static_cast<int>(y);  // in range: cols/rows not empty
  const bool src32 = Src.Format() == PixelFormat::Bgra32;
  const bool dst32 = B.Format() == PixelFormat::Bgra32;
  const int weight = src32 == dst32 && &B != &Src ? kernels::MakePercentWeight(p) : -1;
  if (weight > 0) {
    if (dst32) {
      PercentRowsFixed<4>(B, dx, dy, key, weight, Sr, rows, cols, Src);
    } else {
      PercentRowsFixed<3>(B, dx, dy, key, weight, Sr, rows, cols, Src);
    }
    return;
  }
  const PercentMixer mixer(p, 3LL * rows.Count * cols.Count);
  if (src32 && dst32) {
    PercentRows<4, 4>(B, dx, dy, key, mixer, Sr, rows, cols, Src);
  } else if (src32) {
    PercentRows<4, 3>(B, dx, dy, key, mixer, Sr, rows, cols, Src);
  } else if (dst32) {
    PercentRows<3, 4>(B, dx, dy, key, mixer, Sr, rows, cols, Src);
  } else {
    PercentRows<3, 3>(B, dx, dy, key, mixer, Sr, rows, cols, Src);
  }
}

template <int BytesPerPixel>
bool TacFastSum<BytesPerPixel>::Attach(const Bitmap* src, Bitmap* dst) {
  *this = TacFastSum{};
  const PixelFormat format = BytesPerPixel == 4 ? PixelFormat::Bgra32 : PixelFormat::Bgr24;
  if (src == nullptr || dst == nullptr || src->IsEmpty() || dst->IsEmpty() ||
      src->Format() != format || dst->Format() != format)
    return false;
  FBmpSrc = src;
  FBmpDst = dst;
  FWidthDst = std::min(src->Width(), dst->Width());
  FHeightDst = std::min(src->Height(), dst->Height());
  FStartSrc = src->Bits();
  FStartDst = dst->Bits();
  FDeltaSrc = src->Stride();
  FDeltaDst = dst->Stride();
  return true;
}

template <int BytesPerPixel>
void TacFastSum<BytesPerPixel>::BlendBitmapsRect() {
  if (FBmpSrc == nullptr || FBmpDst == nullptr) return;
  const long long width = static_cast<long long>(DstX2) - DstX1;
  const long long height = static_cast<long long>(DstY2) - DstY1;
  const long long srcTop = static_cast<long long>(SrcY2) - height;
  if (width <= 0 || height <= 0 || DstX1 < 0 || DstY1 < 0 || DstX2 > FBmpDst->Width() ||
      DstY2 > FBmpDst->Height() || SrcX1 < 0 || SrcX1 + width > FBmpSrc->Width() || srcTop < 0 ||
      SrcY2 > FBmpSrc->Height())
    return;
  const int bytes = static_cast<int>(width) * BytesPerPixel;
  for (int y = DstY2 - 1; y >= DstY1; --y) {
    uint8_t* d = FStartDst + y * FDeltaDst + DstX1 * BytesPerPixel;
    const uint8_t* s = FStartSrc + (y - (DstY2 - SrcY2)) * FDeltaSrc + SrcX1 * BytesPerPixel;
    kernels::AlphaBlendBytes(d, s, bytes, Alpha);
  }
}

template class TacFastSum<3>;
template class TacFastSum<4>;

void BlendWithAlpha(Bitmap& B, const Bitmap& Src, uint8_t alpha, Point P, Rect Sr) {
  long long px = P.X, py = P.Y;
  long long left = Sr.Left, top = Sr.Top;
  const long long right = Sr.Right, bottom = Sr.Bottom;
  // Moving P on can never make it negative again, so one pass of each rule does.
  if (px < 0) left -= px, px = 0;
  if (py < 0) top -= py, py = 0;
  if (left < 0) px -= left, left = 0;
  if (top < 0) py -= top, top = 0;
  if (right <= left || bottom <= top) return;
  if (px >= B.Width() || py >= B.Height() || left >= Src.Width() || top >= Src.Height()) return;
  const long long width = std::min(right, static_cast<long long>(Src.Width())) - left;
  const long long height = std::min(bottom, static_cast<long long>(Src.Height())) - top;
  const int w = static_cast<int>(std::min(width, B.Width() - px));
  const int h = static_cast<int>(std::min(height, B.Height() - py));
  const auto blend = [&](auto& sum) {
    if (!sum.Attach(&Src, &B)) return false;
    sum.Alpha = alpha;
    sum.DstX1 = static_cast<int>(px), sum.DstY1 = static_cast<int>(py);
    sum.DstX2 = sum.DstX1 + w, sum.DstY2 = sum.DstY1 + h;
    sum.SrcX1 = static_cast<int>(left), sum.SrcY1 = static_cast<int>(top);
    sum.SrcX2 = sum.SrcX1 + w, sum.SrcY2 = sum.SrcY1 + h;
    sum.BlendBitmapsRect();
    return true;
  };
  TacFastSum32 sum32;
  TacFastSum24 sum24;
  if (!blend(sum32)) blend(sum24);
}

void TintRect(Bitmap& B, Rect R, int percent, uint32_t color) {
  if (B.IsEmpty()) return;
  const Span rows = ClipSpan(R.Top, 0, InclusiveLength(R.Top, R.Bottom), B.Height(), B.Height());
  const Span cols = ClipSpan(R.Left, 0, InclusiveLength(R.Left, R.Right), B.Width(), B.Width());
  const double f = percent / 100.0;
  const double rest = 1.0 - f;
  // Pixel byte order: blue, green, red. One table per channel: the tinted
  // value of each of the 256 possible bytes.
  const uint8_t tint[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
  uint8_t table[3][256];
  for (int c = 0; c < 3; ++c) {
    const double towards = rest * tint[c];
    for (int v = 0; v < 256; ++v) table[c][v] = static_cast<uint8_t>(RoundToByte(f * v + towards));
  }
  const int bytes = B.BytesPerPixel();
  for (int j = 0; j < rows.Count; ++j) {
    uint8_t* p = B.Row(R.Top + rows.First + j) + (R.Left + cols.First) * bytes;
    for (int i = 0; i < cols.Count; ++i, p += bytes) {
      p[0] = table[0][p[0]], p[1] = table[1][p[1]], p[2] = table[2][p[2]];
    }
  }
}

uint32_t MixTwoColors(uint32_t c1, uint32_t c2, double p) {
  const double rest = 1.0 - p;
  const auto mix = [&](uint8_t a, uint8_t b) { return RoundToByte(p * a + rest * b); };
  return MakeColor(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)),
                   mix(BlueOf(c1), BlueOf(c2))) |
         (c1 & 0xFF000000);
}

}  // namespace wakespan
