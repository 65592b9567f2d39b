#include "skin/pixels/sGraphUtils.h"

#include <algorithm>
#include <cstring>

#include "skin/data/sSysColors.h"
#include "skin/pixels/PixelKernels.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/RowFill.h"

namespace wakespan {
namespace {

constexpr uint32_t kOpaque = 0xFF000000;

template <int Bytes>
uint32_t ReadPixel(const uint8_t* p) {
  if constexpr (Bytes == 4) {
    return ReadColor32(p);
  } else {
    return ReadColor24(p);
  }
}

template <int Bytes>
void WritePixel(uint8_t* p, uint32_t color) {
  if constexpr (Bytes == 4) {
    WriteColor32(p, color);
  } else {
    WriteColor24(p, color);
  }
}

// The keyed copy for one pair of formats; onKey(dstPixel, dx, dy) handles
// each key pixel.
template <int SrcBytes, int DstBytes, typename OnKey>
void KeyedRows(Bitmap& B, const Bitmap& Src, int X, int Y, const Rect& Sr, uint32_t key,
               OnKey onKey) {
  const Span rows = ClipSpan(Y, Sr.Top, Sr.Bottom - Sr.Top + 1LL, B.Height(), Src.Height());
  const Span cols = ClipSpan(X, Sr.Left, Sr.Right - Sr.Left + 1LL, B.Width(), Src.Width());
  // Pixels without alpha become opaque in a 32-bit destination.
  const uint32_t fillAlpha = SrcBytes == 4 ? 0 : kOpaque;
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const int dy = Y + j;
    const uint8_t* s = Src.Row(Sr.Top + j) + (Sr.Left + cols.First) * SrcBytes;
    uint8_t* d = B.Row(dy) + (X + cols.First) * DstBytes;
    for (int i = cols.First; i < cols.First + cols.Count; ++i, s += SrcBytes, d += DstBytes) {
      const uint32_t c = ReadPixel<SrcBytes>(s);
      if (c != key) {
        WritePixel<DstBytes>(d, c | fillAlpha);
      } else {
        onKey(d, X + i, dy);
      }
    }
  }
}

// Key pixels stay and both bitmaps have the same format: whole rows go
// through the row kernel.
template <int Bytes>
void KeepKeyRows(Bitmap& B, const Bitmap& Src, int X, int Y, const Rect& Sr, uint32_t key) {
  const Span rows = ClipSpan(Y, Sr.Top, Sr.Bottom - Sr.Top + 1LL, B.Height(), Src.Height());
  const Span cols = ClipSpan(X, Sr.Left, Sr.Right - Sr.Left + 1LL, B.Width(), Src.Width());
  // A 24-bit pixel read as a colour has top byte 0, so such a key matches none.
  const bool anyKey = Bytes == 4 || (key >> 24) == 0;
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const uint8_t* s = Src.Row(Sr.Top + j) + (Sr.Left + cols.First) * Bytes;
    uint8_t* d = B.Row(Y + j) + (X + cols.First) * Bytes;
    if (anyKey) {
      kernels::SelectUnlessKey(Bytes, s, s, d, cols.Count, ColorToPixelOrder(key));
    } else {
      std::memcpy(d, s, static_cast<size_t>(cols.Count) * Bytes);
    }
  }
}

// The keyed copy of 24-bit pixels over a 24-bit parent: each row first
// takes the parent's pixels where the parent reaches, then the source's
// pixels that are not the key, which leaves the parent's exactly where the
// source has the key.
void ParentKeyRows24(Bitmap& B, const Bitmap& Src, int X, int Y, const Rect& Sr, uint32_t key,
                     const TCacheInfo& ci) {
  const Span rows = ClipSpan(Y, Sr.Top, Sr.Bottom - Sr.Top + 1LL, B.Height(), Src.Height());
  const Span cols = ClipSpan(X, Sr.Left, Sr.Right - Sr.Left + 1LL, B.Width(), Src.Width());
  const Bitmap& parent = *ci.Bmp;
  const int dx = X + cols.First;
  // The row's part that lies over the parent, as a span of the row.
  const Span under = ClipSpan(static_cast<long long>(dx) + ci.X, 0, cols.Count, parent.Width(), cols.Count);
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const int dy = Y + j;
    const uint8_t* s = Src.Row(Sr.Top + j) + (Sr.Left + cols.First) * 3;
    uint8_t* d = B.Row(dy) + dx * 3;
    const long long py = static_cast<long long>(dy) + ci.Y;
    if (under.Count > 0 && py >= 0 && py < parent.Height()) {
      const uint8_t* p = parent.Row(static_cast<int>(py)) + (dx + ci.X + under.First) * 3;
      MoveRowBytes(d + under.First * 3, p, static_cast<size_t>(under.Count) * 3);
    }
    kernels::SelectUnlessKey(3, s, s, d, cols.Count, ColorToPixelOrder(key));
  }
}

template <int SrcBytes, int DstBytes>
void CopyKeyedFormats(Bitmap& B, const Bitmap& Src, int X, int Y, bool updateTrans,
                      const TCacheInfo& ci, uint32_t key, const Rect& Sr) {
  // A parent that is B itself gives no pixels (B already shows them): key
  // pixels then stay, as in the plain keyed copy.
  if (updateTrans && ci.Ready && ci.Bmp != nullptr && ci.Bmp != &B) {
    if (SrcBytes == 3 && DstBytes == 3 && &Src != &B && ci.Bmp->Format() == PixelFormat::Bgr24 && (key >> 24) == 0)
      return ParentKeyRows24(B, Src, X, Y, Sr, key, ci);
    KeyedRows<SrcBytes, DstBytes>(B, Src, X, Y, Sr, key, [&](uint8_t* d, int dx, int dy) {
      uint32_t parent;
      if (ReadParentPixel(ci, B, dx, dy, &parent)) WritePixel<DstBytes>(d, parent);
    });
  } else if (!ci.Ready) {
    const uint32_t fill = (ci.FillColor & 0xFFFFFF) | kOpaque;
    KeyedRows<SrcBytes, DstBytes>(B, Src, X, Y, Sr, key,
                                  [fill](uint8_t* d, int, int) { WritePixel<DstBytes>(d, fill); });
  } else if (SrcBytes == DstBytes && &B != &Src) {
    KeepKeyRows<SrcBytes>(B, Src, X, Y, Sr, key);
  } else {
    KeyedRows<SrcBytes, DstBytes>(B, Src, X, Y, Sr, key, [](uint8_t*, int, int) {});
  }
}

}  // namespace

TCacheInfo CacheInfoOfBitmap(const Bitmap* bitmap, int x, int y) {
  TCacheInfo ci;
  ci.Bmp = bitmap;
  ci.X = x;
  ci.Y = y;
  ci.FillColor = 0xFF00FF;
  ci.Ready = true;
  return ci;
}

namespace {

// Shared by both accessors: records the bitmap when it has the wanted format.
template <typename Accessor>
bool AttachAccessor(Accessor& a, Bitmap* bitmap, PixelFormat format) {
  a = Accessor{};
  if (bitmap == nullptr || bitmap->IsEmpty() || bitmap->Format() != format) return false;
  a.FBitmap = bitmap;
  a.FWidth = bitmap->Width();
  a.FHeight = bitmap->Height();
  a.FDelta = bitmap->Stride();
  a.FStart = bitmap->Bits();
  return true;
}

}  // namespace

bool TacFast24::Attach(Bitmap* bitmap) { return AttachAccessor(*this, bitmap, PixelFormat::Bgr24); }
uint32_t TacFast24::Pixel(int x, int y) const { return ReadColor24(FStart + y * FDelta + x * 3); }
void TacFast24::SetPixel(int x, int y, uint32_t color) {
  WriteColor24(FStart + y * FDelta + x * 3, color);
}

bool TacFast32::Attach(Bitmap* bitmap) { return AttachAccessor(*this, bitmap, PixelFormat::Bgra32); }
uint32_t TacFast32::Pixel(int x, int y) const { return ReadColor32(FStart + y * FDelta + x * 4); }
void TacFast32::SetPixel(int x, int y, uint32_t color) {
  WriteColor32(FStart + y * FDelta + x * 4, color);
}

void TacFast32::FillBitmap(uint32_t color) { FillRect(Rect{0, 0, FWidth, FHeight}, color); }

void TacFast32::FillRect(Rect r, uint32_t color) {
  const Span rows = ClipSpan(r.Top, 0, r.Bottom - static_cast<long long>(r.Top), FHeight, FHeight);
  const Span cols = ClipSpan(r.Left, 0, r.Right - static_cast<long long>(r.Left), FWidth, FWidth);
  uint8_t pixel[4];
  WriteColor32(pixel, color);
  const PixelRowFill fill(pixel, 4);
  for (int j = 0; j < rows.Count; ++j)
    fill.Fill(FStart + (r.Top + rows.First + j) * FDelta + (r.Left + cols.First) * 4, cols.Count);
}

bool ReadParentPixel(const TCacheInfo& ci, const Bitmap& B, int x, int y, uint32_t* color) {
  if (ci.Bmp == nullptr || ci.Bmp == &B) return false;
  const Bitmap& parent = *ci.Bmp;
  const long long px = static_cast<long long>(x) + ci.X;
  const long long py = static_cast<long long>(y) + ci.Y;
  if (px < 0 || py < 0 || px >= parent.Width() || py >= parent.Height()) return false;
  *color = parent.Pixel(static_cast<int>(px), static_cast<int>(py));
  if (parent.Format() == PixelFormat::Bgr24) *color |= kOpaque;
  return true;
}

void CopyKeyed(Bitmap& B, const Bitmap& Src, int X, int Y, bool updateTrans,
               const TCacheInfo& ci, uint32_t key, Rect Sr) {
  if (B.IsEmpty() || Src.IsEmpty()) return;
  Sr.Left = std::max(Sr.Left, 0);
  Sr.Top = std::max(Sr.Top, 0);
  Sr.Right = std::min(Sr.Right, Src.Width() - 1);
  Sr.Bottom = std::min(Sr.Bottom, Src.Height() - 1);
  const bool src32 = Src.Format() == PixelFormat::Bgra32;
  const bool dst32 = B.Format() == PixelFormat::Bgra32;
  if (src32 && dst32) {
    CopyKeyedFormats<4, 4>(B, Src, X, Y, updateTrans, ci, key, Sr);
  } else if (src32) {
    CopyKeyedFormats<4, 3>(B, Src, X, Y, updateTrans, ci, key, Sr);
  } else if (dst32) {
    CopyKeyedFormats<3, 4>(B, Src, X, Y, updateTrans, ci, key, Sr);
  } else {
    CopyKeyedFormats<3, 3>(B, Src, X, Y, updateTrans, ci, key, Sr);
  }
}

void CopyBlock(Bitmap& B, int dx, int dy, int width, int height, const Bitmap& Src, int sx,
               int sy) {
  if (width <= 0 || height <= 0) return;
  const Span rows = ClipSpan(dy, sy, height, B.Height(), Src.Height());
  const Span cols = ClipSpan(dx, sx, width, B.Width(), Src.Width());
  const int sb = Src.BytesPerPixel();
  const int db = B.BytesPerPixel();
  for (int j = rows.First; j < rows.First + rows.Count; ++j) {
    const uint8_t* s = Src.Row(sy + j) + (sx + cols.First) * sb;
    uint8_t* d = B.Row(dy + j) + (dx + cols.First) * db;
    if (sb == db) {
      MoveRowBytes(d, s, static_cast<size_t>(cols.Count) * sb);
      continue;
    }
    for (int i = 0; i < cols.Count; ++i, s += sb, d += db) {
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
      if (db == 4) d[3] = 255;
    }
  }
}

void FillRectColor(Bitmap& B, Rect R, uint32_t color) {
  // Both formats resolve a system colour, as the platform's solid brush does
  // on 24-bit bitmaps: painting hands over section colours as written.
  const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(static_cast<TColor>(color))) & 0xFFFFFF;
  TacFast32 fast32;
  if (fast32.Attach(&B)) {
    fast32.FillRect(R, rgb | kOpaque);
    return;
  }
  if (B.IsEmpty()) return;
  const Span rows = ClipSpan(R.Top, 0, R.Bottom - static_cast<long long>(R.Top), B.Height(), B.Height());
  const Span cols = ClipSpan(R.Left, 0, R.Right - static_cast<long long>(R.Left), B.Width(), B.Width());
  if (rows.Count == 0 || cols.Count == 0) return;
  uint8_t pixel[3];
  WriteColor24(pixel, rgb);
  const PixelRowFill fill(pixel, 3);
  for (int j = 0; j < rows.Count; ++j) fill.Fill(B.Row(R.Top + rows.First + j) + (R.Left + cols.First) * 3, cols.Count);
}

void CopyFrame(Bitmap& B, int X, int Y, int W, int H, const Bitmap& Src, int XSrc, int YSrc,
               int bw) {
  const auto strip = [&](int dx, int dy, int w, int h) {
    CopyBlock(B, X + dx, Y + dy, w, h, Src, XSrc + dx, YSrc + dy);
  };
  strip(0, 0, bw, H);
  strip(bw, 0, W - bw, bw);
  strip(W - bw, bw, bw, H - bw);
  strip(bw, H - bw, W - 2 * bw, bw);
}

void GrayBitmap(Bitmap& B) {
  const int bytes = B.BytesPerPixel();
  for (int y = 0; y < B.Height(); ++y) {
    uint8_t* p = B.Row(y);
    for (int x = 0; x < B.Width(); ++x, p += bytes) {
      const uint8_t gray = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = gray;
    }
  }
}

}  // namespace wakespan
