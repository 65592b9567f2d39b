// Pixel accessors and the general pixel operations on bitmaps: keyed copy,
// block copy, frame copy, solid fill and grey conversion.
//
// Every operation clips to its bitmaps: nothing outside a bitmap is read or
// written, and nothing is reported; a rectangle that is empty after clipping
// does nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Where a painted item's background comes from: the parent's painted bitmap
// (when Ready), or the parent's plain colour.
struct TCacheInfo {
  const Bitmap* Bmp = nullptr;  // not owned
  int32_t X = 0;                // the item's origin inside Bmp
  int32_t Y = 0;
  uint32_t FillColor = 0;       // 0xFF00FF: unknown
  bool Ready = false;           // Bmp holds valid pixels
};

// Bmp = bitmap, (X, Y) = (x, y), FillColor unknown, Ready.
TCacheInfo CacheInfoOfBitmap(const Bitmap* bitmap, int x, int y);

// Direct access to the pixels of a 24-bit bitmap through the address of row
// 0 and the row distance. Attach fails (FWidth 0) for a missing bitmap, an
// empty one, or one of the other format. Bitmaps of one pixel width or height
// are accepted: a one-pixel line is a valid image and must be drawable.
class TacFast24 {
 public:
  Bitmap* FBitmap = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  std::ptrdiff_t FDelta = 0;  // bytes from one row to the next
  uint8_t* FStart = nullptr;  // row 0

  bool Attach(Bitmap* bitmap);
  // 0x00BBGGRR; (x, y) must lie inside the attached bitmap.
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t color);
};

// The same for 32-bit bitmaps; colours carry alpha in their top byte.
class TacFast32 {
 public:
  Bitmap* FBitmap = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  std::ptrdiff_t FDelta = 0;
  uint8_t* FStart = nullptr;

  bool Attach(Bitmap* bitmap);
  uint32_t Pixel(int x, int y) const;  // 0xAABBGGRR
  void SetPixel(int x, int y, uint32_t color);
  // Stores `color` (alpha = its top byte) into every pixel, or into the
  // pixels of R (clipped to the bitmap).
  void FillBitmap(uint32_t color);
  void FillRect(Rect r, uint32_t color);
};

// Copies the inclusive source rectangle Sr of Src to (X, Y) of B, treating
// source pixels equal to `key` as transparent. Sr is first clipped to Src
// (a negative Left or Top becomes 0 without moving the destination);
// destination pixels outside B are skipped.
//  - Parent mode (updateTrans, ci.Ready and ci.Bmp): a key pixel takes the
//    parent pixel at (its destination position + (ci.X, ci.Y)); when B is the
//    parent bitmap itself, or that position lies outside the parent, the
//    destination pixel stays as it is.
//  - Otherwise a key pixel becomes ci.FillColor when ci.Ready is false and
//    stays as it is when ci.Ready is true (a ready TCacheInfo without bitmap
//    therefore gives the plain keyed copy).
// Every other pixel is copied. From a 32-bit source the whole pixel, alpha
// included, is copied and compared with `key`; 24-bit pixels and fill colours
// written to a 32-bit destination get alpha 255. A key whose top byte is
// 0xFF matches no 24-bit pixel, so nothing is transparent.
void CopyKeyed(Bitmap& B, const Bitmap& Src, int X, int Y, bool updateTrans,
               const TCacheInfo& ci, uint32_t key, Rect Sr);

// The parent pixel behind destination pixel (x, y) of B: the pixel at
// (x + ci.X, y + ci.Y) of ci.Bmp as 0xAABBGGRR (alpha 255 for a 24-bit
// parent). False when ci has no bitmap, when B is ci.Bmp itself or when the
// position lies outside the parent.
bool ReadParentPixel(const TCacheInfo& ci, const Bitmap& B, int x, int y, uint32_t* color);

// Plain rectangle copy of width x height pixels from (sx, sy) of Src to
// (dx, dy) of B, clipped to both bitmaps. Between formats 24-bit pixels gain
// alpha 255 and 32-bit pixels lose their alpha.
void CopyBlock(Bitmap& B, int dx, int dy, int width, int height, const Bitmap& Src, int sx,
               int sy);

// Fills R (half-open, clipped) with `color`'s blue, green and red; 32-bit
// pixels get alpha 255. A system colour (negative value) is resolved to RGB
// on both formats.
void FillRectColor(Bitmap& B, Rect R, uint32_t color);

// Copies only the frame of border width bw of the W x H rectangle at (X, Y)
// from the same places relative to (XSrc, YSrc) in Src: the left strip
// (bw x H), the top strip from X + bw ((W - bw) x bw), the right strip from
// Y + bw (bw x (H - bw)) and the bottom strip from X + bw ((W - 2 bw) x bw).
// The inside stays untouched.
void CopyFrame(Bitmap& B, int X, int Y, int W, int H, const Bitmap& Src, int XSrc, int YSrc,
               int bw);

// Every pixel's blue, green and red become (blue + green + red) div 3;
// alpha stays.
void GrayBitmap(Bitmap& B);

}  // namespace wakespan
