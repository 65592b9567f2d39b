// Mask, percent and alpha blends, tints and colour mixes, with the rounding
// edges worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "pixel_test_helpers.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

constexpr uint32_t kKey = 0xFF00FF;

// A glyph of `width` x 1 with its mask row below: image row 0, mask row 1.
struct Glyph {
  Bitmap image;
  TsMaskData entry;
};

Glyph MaskedGlyph(const std::vector<uint32_t>& pixels, const std::vector<uint32_t>& masks) {
  Glyph g;
  const int w = static_cast<int>(pixels.size());
  g.image = Bitmap(w, 2, PixelFormat::Bgr24);
  for (int x = 0; x < w; ++x) {
    g.image.SetPixel(x, 0, pixels[x]);
    g.image.SetPixel(x, 1, masks[x]);
  }
  g.entry.R = Rect{0, 0, w, 2};
  g.entry.ImageCount = 1;
  g.entry.MaskType = 1;
  return g;
}

TEST(CopyGlyphMasked, MaskBlendEdges) {
  // Destination 200, source 100: mask 0 -> 100, 255 -> 199, 128 -> 150;
  // a key pixel keeps the destination.
  const Glyph g = MaskedGlyph({Gray(100), Gray(100), Gray(100), kKey},
                              {Gray(0), Gray(255), Gray(128), Gray(0)});
  Bitmap dst = Filled(4, 1, PixelFormat::Bgr24, Gray(200));
  CopyGlyphMasked(Rect{0, 0, 3, 0}, Rect{0, 0, 3, 0}, dst, g.entry, 1, g.image);
  EXPECT_EQ(dst.Pixel(0, 0), Gray(100));
  EXPECT_EQ(dst.Pixel(1, 0), Gray(199));
  EXPECT_EQ(dst.Pixel(2, 0), Gray(150));
  EXPECT_EQ(dst.Pixel(3, 0), Gray(200));
}

TEST(CopyGlyphMasked, FadedModeRaisesTheMaskAndChannelsAreIndependent) {
  // Mask 0 counts as 100: ((200 - 100) * 100 + 25600) shr 8 = 139; mask 200
  // is capped at 255. Channels: blue, green, red masks differ.
  const Glyph g = MaskedGlyph({Gray(100), 0x000000}, {Gray(0), 0x00C864});
  Bitmap dst = Filled(2, 1, PixelFormat::Bgra32, 0x00FFFFFF);
  dst.SetPixel(0, 0, Gray(200));
  CopyGlyphMasked(Rect{0, 0, 1, 0}, Rect{0, 0, 1, 0}, dst, g.entry, 0, g.image);
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF000000u | Gray(139)) << "alpha becomes 255";
  // red: mask 0x64 + 100 = 200 -> 255 * 200 / 256 = 199; green: 0xC8 + 100 -> 255 -> 254;
  // blue: 0 + 100 -> 255 * 100 / 256 = 99.
  EXPECT_EQ(dst.Pixel(1, 0), 0xFF63FEC7u);
}

TEST(CopyGlyphMasked, MaskTypeZeroIsAKeyedCopyAndRowsStopAtTheMask) {
  Glyph g = MaskedGlyph({0x123456, kKey}, {0, 0});
  g.entry.MaskType = 0;
  Bitmap dst = Filled(3, 3, PixelFormat::Bgr24, 0x777777);
  CopyGlyphMasked(Rect{1, 1, 2, 2}, Rect{0, 0, 1, 0}, dst, g.entry, 1, g.image);
  EXPECT_EQ(dst.Pixel(1, 1), 0x123456u);
  EXPECT_EQ(dst.Pixel(2, 1), 0x777777u);
  EXPECT_EQ(dst.Pixel(1, 2), 0x777777u) << "Sr has one row";

  // With a mask the source rows must keep their mask rows: asking for both
  // rows of a 2-row glyph copies only the image row.
  const Glyph m = MaskedGlyph({Gray(100)}, {Gray(0)});
  Bitmap two = Filled(1, 2, PixelFormat::Bgr24, Gray(9));
  CopyGlyphMasked(Rect{0, 0, 0, 1}, Rect{0, 0, 0, 1}, two, m.entry, 1, m.image);
  EXPECT_EQ(two.Pixel(0, 0), Gray(100));
  EXPECT_EQ(two.Pixel(0, 1), Gray(9));
}

TEST(CopyMasked, KeyPixelsInTheFourParentModes) {
  // Pixel 0 is the key, pixel 1 a plain source of 100 with mask 128.
  const Glyph g = MaskedGlyph({kKey, Gray(100)}, {Gray(128), Gray(128)});
  const Bitmap parent = Filled(5, 5, PixelFormat::Bgr24, Gray(50));
  const auto run = [&](bool update, const TCacheInfo& ci) {
    Bitmap dst = Filled(2, 1, PixelFormat::Bgr24, Gray(200));
    CopyMasked(Rect{0, 0, 2, 1}, Rect{0, 0, 2, 1}, dst, g.entry, update, ci, g.image);
    EXPECT_EQ(dst.Pixel(1, 0), Gray(150));
    return dst.Pixel(0, 0);
  };
  TCacheInfo unknown;
  unknown.FillColor = 0x0000AA;
  EXPECT_EQ(run(true, CacheInfoOfBitmap(&parent, 1, 1)), Gray(50));
  // Ready, no update: the key pixel is blended too: blue and red
  // (200 * 128 + 255 * 128) / 256 = 227, green 200 * 128 / 256 = 100.
  EXPECT_EQ(run(false, CacheInfoOfBitmap(&parent, 1, 1)), 0xE364E3u);
  EXPECT_EQ(run(true, unknown), 0x0000AAu);
  EXPECT_EQ(run(false, unknown), Gray(200));
}

TEST(CopyMasked, ClipsToTheRowsThatHaveAMask) {
  const Glyph g = MaskedGlyph({Gray(100), Gray(100)}, {Gray(0), Gray(0)});
  Bitmap dst = Filled(3, 3, PixelFormat::Bgra32, 0);
  // Negative destination start moves the source on by one column.
  CopyMasked(Rect{-1, 0, 3, 3}, Rect{0, 0, 4, 3}, dst, g.entry, false, TCacheInfo{}, g.image);
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF000000u | Gray(100));
  EXPECT_EQ(dst.Pixel(1, 0), 0u);
  EXPECT_EQ(dst.Pixel(0, 1), 0u) << "row 1 of the source is the mask";
}

TEST(BlendWithAlpha, ByteFormulaEdges) {
  // alpha 127, destination 0, source 255: (0 + 255 * 128 + 127) shr 8 = 127.
  Bitmap dst = Filled(2, 2, PixelFormat::Bgr24, 0);
  BlendWithAlpha(dst, Filled(2, 2, PixelFormat::Bgr24, Gray(255)), 127, Point{0, 0},
                 Rect{0, 0, 2, 2});
  EXPECT_EQ(dst.Pixel(1, 1), Gray(127));
  // alpha 255, destination 10, source 250: (2550 + 0 + 127) shr 8 = 10.
  Bitmap keep = Filled(2, 2, PixelFormat::Bgra32, 0x0A0A0A0A);
  BlendWithAlpha(keep, Filled(2, 2, PixelFormat::Bgra32, 0xFAFAFAFA), 255, Point{0, 0},
                 Rect{0, 0, 2, 2});
  EXPECT_EQ(keep.Pixel(0, 0), 0x0A0A0A0Au);
  // alpha 0 takes the source almost whole: (250 * 255 + 127) shr 8 = 249, alpha included.
  Bitmap take = Filled(2, 2, PixelFormat::Bgra32, 0);
  BlendWithAlpha(take, Filled(2, 2, PixelFormat::Bgra32, 0xFAFAFAFA), 0, Point{0, 0},
                 Rect{0, 0, 2, 2});
  EXPECT_EQ(take.Pixel(1, 0), 0xF9F9F9F9u);
}

TEST(BlendWithAlpha, ClippingAndFormats) {
  Bitmap src(3, 2, PixelFormat::Bgr24);
  for (int x = 0; x < 3; ++x) src.SetPixel(x, 0, Gray(static_cast<uint32_t>(x + 1) * 60));
  // P.x = -1 moves the source start to column 1; alpha 0 nearly copies:
  // 120 -> (120 * 255 + 127) shr 8 = 120, 180 -> 179.
  Bitmap dst(3, 1, PixelFormat::Bgr24);
  BlendWithAlpha(dst, src, 0, Point{-1, 0}, Rect{0, 0, 3, 1});
  EXPECT_EQ(dst.Pixel(0, 0), Gray(120));
  EXPECT_EQ(dst.Pixel(1, 0), Gray(179));
  EXPECT_EQ(dst.Pixel(2, 0), 0u);
  // A negative source start moves P on instead.
  Bitmap moved(3, 1, PixelFormat::Bgr24);
  BlendWithAlpha(moved, src, 0, Point{0, 0}, Rect{-2, 0, 1, 1});
  EXPECT_EQ(moved.Pixel(1, 0), 0u);
  EXPECT_EQ(moved.Pixel(2, 0), Gray(60));  // (60 * 255 + 127) shr 8
  // Mixed formats and positions outside paint nothing.
  Bitmap other = Filled(3, 1, PixelFormat::Bgra32, 5);
  BlendWithAlpha(other, src, 0, Point{0, 0}, Rect{0, 0, 3, 1});
  BlendWithAlpha(dst, src, 0, Point{3, 0}, Rect{0, 0, 3, 1});
  BlendWithAlpha(dst, src, 0, Point{0, 0}, Rect{3, 0, 5, 1});
  EXPECT_EQ(other, Filled(3, 1, PixelFormat::Bgra32, 5));
  EXPECT_EQ(dst.Pixel(2, 0), 0u);
}

TEST(BlendBitmapsRect, RefusesWindowsOutsideTheBitmaps) {
  Bitmap src = Filled(2, 2, PixelFormat::Bgr24, Gray(200));
  Bitmap dst = Filled(2, 2, PixelFormat::Bgr24, 0);
  TacFastSum24 sum;
  ASSERT_TRUE(sum.Attach(&src, &dst));
  EXPECT_EQ(sum.FWidthDst, 2);
  sum.DstX2 = 3, sum.DstY2 = 2, sum.SrcX2 = 3, sum.SrcY2 = 2;
  sum.BlendBitmapsRect();
  EXPECT_EQ(dst.Pixel(0, 0), 0u);
  // Source rows are counted back from SrcY2: destination row 1 reads source row 0.
  src.SetPixel(0, 0, Gray(100));
  sum.DstX1 = 0, sum.DstY1 = 1, sum.DstX2 = 1, sum.DstY2 = 2, sum.SrcX1 = 0, sum.SrcY2 = 1;
  sum.BlendBitmapsRect();
  EXPECT_EQ(dst.Pixel(0, 1), Gray(100));  // alpha 0: (100 * 255 + 127) shr 8
}

TEST(BlendPercent, RoundsHalfToEven) {
  // p = 0.5: (source 255, destination 0) -> 127.5 -> 128; source 1 -> 0.5 -> 0;
  // source 3 -> 1.5 -> 2. p = 0 keeps the source, p = 1 the destination.
  Bitmap src(3, 1, PixelFormat::Bgr24);
  src.SetPixel(0, 0, Gray(255));
  src.SetPixel(1, 0, Gray(1));
  src.SetPixel(2, 0, Gray(3));
  Bitmap half(3, 1, PixelFormat::Bgr24);
  BlendPercent(half, 0, 0, 0xFFFFFFFF, 0.5, Rect{0, 0, 2, 0}, src);
  EXPECT_EQ(half.Pixel(0, 0), Gray(128));
  EXPECT_EQ(half.Pixel(1, 0), Gray(0));
  EXPECT_EQ(half.Pixel(2, 0), Gray(2));
  Bitmap none = Filled(3, 1, PixelFormat::Bgr24, Gray(9));
  BlendPercent(none, 0, 0, 0xFFFFFFFF, 0.0, Rect{0, 0, 2, 0}, src);
  EXPECT_EQ(none.Pixel(0, 0), Gray(255));
  Bitmap all = Filled(3, 1, PixelFormat::Bgr24, Gray(9));
  BlendPercent(all, 0, 0, 0xFFFFFFFF, 1.0, Rect{0, 0, 2, 0}, src);
  EXPECT_EQ(all.Pixel(0, 0), Gray(9));
  // p = 0.4: 200 - 0.4 * (200 - 100) = 160; 11 - 0.3 * 5 = 9.5 in doubles -> 10.
  Bitmap s2 = Filled(1, 1, PixelFormat::Bgr24, 0x0B0BC8);
  Bitmap d2 = Filled(1, 1, PixelFormat::Bgr24, 0x060664);
  BlendPercent(d2, 0, 0, 0xFFFFFFFF, 0.3, Rect{0, 0, 0, 0}, s2);
  EXPECT_EQ(d2.Pixel(0, 0), 0x0A0AAAu);  // red 200 - 0.3 * 100 = 170
}

TEST(BlendPercent, KeyClippingAndAlpha) {
  Bitmap src(2, 2, PixelFormat::Bgr24);
  src.SetPixel(0, 0, kKey);
  src.SetPixel(1, 0, Gray(100));
  src.SetPixel(1, 1, Gray(100));
  Bitmap dst = Filled(2, 2, PixelFormat::Bgra32, 0x40000000 | Gray(200));
  BlendPercent(dst, 0, 0, kKey, 0.5, Rect{0, 0, 1, 1}, src);
  EXPECT_EQ(dst.Pixel(0, 0), 0x40000000 | Gray(200)) << "key pixel skipped";
  EXPECT_EQ(dst.Pixel(1, 0), 0x40000000 | Gray(150)) << "alpha kept";
  Bitmap noKey = Filled(1, 1, PixelFormat::Bgr24, 0);
  BlendPercent(noKey, 0, 0, 0xFF000000 | kKey, 0.0, Rect{0, 0, 0, 0}, src);
  EXPECT_EQ(noKey.Pixel(0, 0), kKey) << "a key with top byte 0xFF skips nothing";
  // Negative source start moves the destination on.
  Bitmap moved = Filled(2, 2, PixelFormat::Bgr24, 0);
  BlendPercent(moved, 0, 0, 0xFFFFFFFF, 0.0, Rect{-1, -1, 1, 0}, src);
  EXPECT_EQ(moved.Pixel(1, 1), kKey);
  EXPECT_EQ(moved.Pixel(0, 0), 0u);
}

TEST(BlendPercent, LargeBlendsMatchTheFormulaExactly) {
  // Large enough to go through the lookup table; every pair of bytes occurs.
  Bitmap src(256, 256, PixelFormat::Bgr24);
  Bitmap dst(256, 256, PixelFormat::Bgr24);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      src.SetPixel(x, y, Gray(static_cast<uint32_t>(x)));
      dst.SetPixel(x, y, Gray(static_cast<uint32_t>(y)));
    }
  }
  for (const double p : {0.3, 0.4, 0.5, 0.77}) {
    Bitmap out = dst;
    BlendPercent(out, 0, 0, 0xFFFFFFFF, p, Rect{0, 0, 255, 255}, src);
    int wrong = 0;
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) {
        const double v = std::nearbyint(x - p * (x - y));
        wrong += out.Row(y)[x * 3] != static_cast<int>(v);
      }
    }
    EXPECT_EQ(wrong, 0) << p;
  }
}

TEST(TintRect, MixesTowardsTheColourWithInclusiveEdges) {
  Bitmap b = Filled(3, 3, PixelFormat::Bgra32, 0x80000000 | Gray(200));
  TintRect(b, Rect{1, 1, 2, 2}, 60, 0);  // 0.6 * 200 = 120
  EXPECT_EQ(b.Pixel(2, 2), 0x80000000 | Gray(120)) << "Right and Bottom included";
  EXPECT_EQ(b.Pixel(0, 0), 0x80000000 | Gray(200));
  Bitmap c = Filled(1, 1, PixelFormat::Bgr24, Gray(0));
  TintRect(c, Rect{0, 0, 5, 5}, 50, 0x0000FF);  // red 0.5 * 255 = 127.5 -> 128
  EXPECT_EQ(c.Pixel(0, 0), 0x000080u);
  TintRect(c, Rect{0, 0, 0, 0}, 100, 0xFFFFFF);
  EXPECT_EQ(c.Pixel(0, 0), 0x000080u);
}

TEST(MixTwoColors, RoundsEachChannel) {
  EXPECT_EQ(MixTwoColors(0x0000FF, 0xFF0000, 0.25), 0xBF0040u);
  EXPECT_EQ(MixTwoColors(0x12000000, 0x00FFFFFF, 1.0), 0x12000000u) << "top byte from c1";
  EXPECT_EQ(MixTwoColors(0x000001, 0x000000, 0.5), 0u) << "0.5 rounds to even 0";
  EXPECT_EQ(MixTwoColors(0x000003, 0x000000, 0.5), 2u);
}

}  // namespace
}  // namespace wakespan
