// Pixel operations that mix a source with the destination: the copies
// through a skin image's transparency mask, the blends by a fraction and by
// an alpha byte, the tint towards a colour, and the mix of two colours.
//
// Mask pixels hold one transparency per channel: 0 keeps the image pixel,
// 255 lets the destination show through almost entirely. The mask blend of
// one channel is
//     ((Dst - S) * m + S * 256) shr 8  ==  (Dst * m + S * (256 - m)) div 256,
// which never leaves 0..255 (mask 0 gives S, mask 255 gives
// (255 * Dst + S) div 256). Positions outside a bitmap are skipped.
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/data/sMaskData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

// Copies Sr of Src (a skin image with its mask (e.R height) div 2 rows below
// each image row) into D of B through the mask; both rectangles half-open.
// Rows and columns are the smaller of the two rectangles' sizes, limited to
// B and to the source rows whose mask row exists; negative starts move both
// starts on. Key pixels (0xFF00FF) of the source:
//   ci.Ready and updateCorners:   take the parent pixel (ReadParentPixel),
//                                 or stay when there is none;
//   ci.Ready, not updateCorners:  are blended like every other pixel;
//   not ci.Ready, updateCorners:  become ci.FillColor;
//   not ci.Ready, not updateCorners: stay.
// Every pixel written to a 32-bit destination gets alpha 255.
void CopyMasked(Rect D, Rect Sr, Bitmap& B, const TsMaskData& e, bool updateCorners,
                const TCacheInfo& ci, const Bitmap& Src);

// CopyMasked with the mask rows `maskOffset` rows below the image rows
// (CopyMasked takes half the entry's height).
void CopyMaskedAt(Rect D, Rect Sr, Bitmap& B, int maskOffset, bool updateCorners, const TCacheInfo& ci,
                  const Bitmap& Src);

// Lays copies of Sr from D's top-left over D (the last ones cut to D), each
// as CopyMasked with updateCorners false would, in one pass per row. Only
// for 24-bit bitmaps (not the same one) and Sr inside Src with its mask
// rows; otherwise returns false and paints nothing.
bool CopyMaskedTiled(Rect D, Rect Sr, Bitmap& B, const TsMaskData& e, const TCacheInfo& ci,
                     const Bitmap& Src);

// Copies the glyph part Sr (inclusive) of Src to Dr (inclusive) of B. With
// MaskType 0 (or below) it is the plain keyed copy with key 0xFF00FF (key
// pixels stay). Otherwise the mask lies StateHeight(e) rows below the image:
// key pixels stay and every other pixel is blended by the mask; glyph mode
// g other than 1 (faded) uses min(m + 100, 255) for each mask channel m.
// Rows are limited to both rectangles, to B below Dr.Top, to the source rows
// with a mask row and, when ImageCount is below 1, to the mask offset.
void CopyGlyphMasked(Rect Dr, Rect Sr, Bitmap& B, const TsMaskData& e, int g, const Bitmap& Src);

// Mixes the inclusive source rectangle Sr of Src into B at (X, Y): each
// channel becomes round(S - p * (S - Dst)) in double arithmetic, rounded to
// nearest with ties to even, so the destination keeps the fraction p
// (limited to 0..1). Negative Sr.Left / Sr.Top become 0 and move (X, Y)
// on by the same amount. Source pixels equal to `key` (a 32-bit source
// compared as a whole value) are skipped unless the key's top byte is 0xFF.
// A 32-bit destination keeps its alpha.
void BlendPercent(Bitmap& B, int X, int Y, uint32_t key, double p, Rect Sr, const Bitmap& Src);

// Alpha blend of two bitmaps of the same format, byte by byte (for 32-bit
// bitmaps the alpha byte too):
//     D = (D * Alpha + S * (255 - Alpha) + 127) shr 8.
// Alpha 255 therefore keeps almost all of the destination. Attach fails for
// a missing or empty bitmap or one of the other format; BlendBitmapsRect does
// nothing unless both windows lie inside their bitmaps. The source window is
// (SrcX1, SrcY2 - height) .. (SrcX1 + width, SrcY2) for the destination
// window (DstX1, DstY1) .. (DstX2, DstY2); rows are done bottom to top.
template <int BytesPerPixel>
class TacFastSum {
 public:
  const Bitmap* FBmpSrc = nullptr;
  Bitmap* FBmpDst = nullptr;
  int FWidthDst = 0;  // the smaller of the two widths
  int FHeightDst = 0;
  const uint8_t* FStartSrc = nullptr;
  uint8_t* FStartDst = nullptr;
  std::ptrdiff_t FDeltaSrc = 0;
  std::ptrdiff_t FDeltaDst = 0;
  uint8_t Alpha = 0;
  int DstX1 = 0, DstY1 = 0, DstX2 = 0, DstY2 = 0;
  int SrcX1 = 0, SrcY1 = 0, SrcX2 = 0, SrcY2 = 0;

  bool Attach(const Bitmap* src, Bitmap* dst);
  void BlendBitmapsRect();
};
using TacFastSum24 = TacFastSum<3>;
using TacFastSum32 = TacFastSum<4>;

// Blends Sr (half-open) of Src into B at P with BlendBitmapsRect. Clipping:
// a negative P.X / P.Y moves Sr's start on and becomes 0; a negative
// Sr.Left / Sr.Top moves P on and becomes 0; nothing happens when Sr is
// empty, P lies outside B or Sr's start outside Src; Sr is cut to Src and to
// the room left in B. Bitmaps of different formats are left alone.
void BlendWithAlpha(Bitmap& B, const Bitmap& Src, uint8_t alpha, Point P, Rect Sr);

// Mixes R (Right and Bottom included, clipped to B) towards `color`: with
// f = percent / 100 each channel becomes round(f * channel + (1 - f) *
// the colour's channel), ties to even. 32-bit pixels keep their alpha.
void TintRect(Bitmap& B, Rect R, int percent, uint32_t color);

// Each of red, green and blue = round(p * c1's + (1 - p) * c2's), ties to
// even, limited to 0..255; the top byte is c1's.
uint32_t MixTwoColors(uint32_t c1, uint32_t c2, double p);

}  // namespace wakespan
