// Keyed copy with its parent modes, block and frame copies, fills, grey
// conversion and the pixel accessors.
#include <gtest/gtest.h>

#include "pixel_test_helpers.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

constexpr uint32_t kKey = 0xFF00FF;

// Source: one key pixel at (0, 0) and one plain pixel at (1, 0).
Bitmap KeyAndPlain(PixelFormat format) {
  Bitmap src(2, 1, format);
  src.SetPixel(0, 0, kKey);
  src.SetPixel(1, 0, 0x112233);
  return src;
}

TEST(CopyKeyed, KeyPixelFollowsTheParentDescription) {
  const Bitmap src = KeyAndPlain(PixelFormat::Bgr24);
  const Rect all{0, 0, 1, 0};  // inclusive

  Bitmap notReady = Filled(2, 1, PixelFormat::Bgr24, 0x777777);
  TCacheInfo fill;
  fill.FillColor = 0x00ABCD;
  CopyKeyed(notReady, src, 0, 0, true, fill, kKey, all);
  EXPECT_EQ(notReady.Pixel(0, 0), 0x00ABCDu) << "not ready: the fill colour";
  EXPECT_EQ(notReady.Pixel(1, 0), 0x112233u);

  const Bitmap parent = Filled(4, 4, PixelFormat::Bgr24, 0x445566);
  Bitmap withParent = Filled(2, 1, PixelFormat::Bgr24, 0x777777);
  CopyKeyed(withParent, src, 0, 0, true, CacheInfoOfBitmap(&parent, 1, 1), kKey, all);
  EXPECT_EQ(withParent.Pixel(0, 0), 0x445566u) << "ready and updating: the parent pixel";

  Bitmap noUpdate = Filled(2, 1, PixelFormat::Bgr24, 0x777777);
  CopyKeyed(noUpdate, src, 0, 0, false, CacheInfoOfBitmap(&parent, 1, 1), kKey, all);
  EXPECT_EQ(noUpdate.Pixel(0, 0), 0x777777u) << "ready, no update: the destination stays";
  EXPECT_EQ(noUpdate.Pixel(1, 0), 0x112233u);
}

TEST(CopyKeyed, ParentPixelsComeFromTheOffsetPositionOrNotAtAll) {
  Bitmap parent(3, 2, PixelFormat::Bgra32);
  parent.SetPixel(2, 1, 0x80010203);
  Bitmap src(3, 1, PixelFormat::Bgr24);
  for (int x = 0; x < 3; ++x) src.SetPixel(x, 0, kKey);
  Bitmap dst = Filled(3, 1, PixelFormat::Bgra32, 0x11111111);
  // Destination x goes to parent x + 2: 2 is inside, 3 and 4 are to the right.
  CopyKeyed(dst, src, 0, 0, true, CacheInfoOfBitmap(&parent, 2, 1), kKey, Rect{0, 0, 2, 0});
  EXPECT_EQ(dst.Pixel(0, 0), 0x80010203u) << "a 32-bit parent pixel keeps its alpha";
  EXPECT_EQ(dst.Pixel(1, 0), 0x11111111u);
  EXPECT_EQ(dst.Pixel(2, 0), 0x11111111u);

  Bitmap below = Filled(3, 1, PixelFormat::Bgra32, 0x22222222);
  CopyKeyed(below, src, 0, 0, true, CacheInfoOfBitmap(&parent, -1, 5), kKey, Rect{0, 0, 2, 0});
  EXPECT_EQ(below.Pixel(1, 0), 0x22222222u);

  // Painting into the parent itself leaves key pixels alone.
  Bitmap self = Filled(3, 2, PixelFormat::Bgr24, 0x333333);
  CopyKeyed(self, src, 0, 0, true, CacheInfoOfBitmap(&self, 0, 1), kKey, Rect{0, 0, 2, 0});
  EXPECT_EQ(self.Pixel(0, 0), 0x333333u);
}

TEST(CopyKeyed, ClipsSourceAndDestination) {
  Bitmap src(3, 3, PixelFormat::Bgr24);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) src.SetPixel(x, y, static_cast<uint32_t>(y * 16 + x + 1));
  TCacheInfo keep;
  keep.Ready = true;
  // Negative Left/Top become 0 without moving the destination; Right and
  // Bottom past the source are cut.
  Bitmap dst(4, 4, PixelFormat::Bgr24);
  CopyKeyed(dst, src, 1, 1, false, keep, kKey, Rect{-5, -5, 9, 9});
  EXPECT_EQ(dst.Pixel(1, 1), 0x01u);
  EXPECT_EQ(dst.Pixel(3, 3), 0x23u);
  EXPECT_EQ(dst.Pixel(0, 0), 0u);
  // Destination columns and rows before 0 are skipped, source follows.
  Bitmap moved(2, 2, PixelFormat::Bgr24);
  CopyKeyed(moved, src, -1, -2, false, keep, kKey, Rect{0, 0, 2, 2});
  EXPECT_EQ(moved.Pixel(0, 0), 0x22u);
  EXPECT_EQ(moved.Pixel(1, 0), 0x23u);
  EXPECT_EQ(moved.Pixel(0, 1), 0u);
  Bitmap untouched = Filled(2, 2, PixelFormat::Bgr24, 7);
  CopyKeyed(untouched, src, 5, 0, false, keep, kKey, Rect{0, 0, 2, 2});
  CopyKeyed(untouched, src, 0, 0, false, keep, kKey, Rect{2, 0, 1, 2});
  EXPECT_EQ(untouched, Filled(2, 2, PixelFormat::Bgr24, 7));
}

TEST(CopyKeyed, FormatsAndKeyComparison) {
  TCacheInfo keep;
  keep.Ready = true;
  // 24-bit into 32-bit: opaque.
  Bitmap dst32(2, 1, PixelFormat::Bgra32);
  CopyKeyed(dst32, KeyAndPlain(PixelFormat::Bgr24), 0, 0, false, TCacheInfo{}, kKey,
            Rect{0, 0, 1, 0});
  EXPECT_EQ(dst32.Pixel(0, 0), 0xFF000000u) << "fill colour 0 with alpha 255";
  EXPECT_EQ(dst32.Pixel(1, 0), 0xFF112233u);
  // 32-bit source: the whole pixel is copied and compared.
  Bitmap src32(2, 1, PixelFormat::Bgra32);
  src32.SetPixel(0, 0, 0x40FF00FF);  // magenta with alpha: not the key
  src32.SetPixel(1, 0, 0x00FF00FF);  // the key as a whole value
  Bitmap to32 = Filled(2, 1, PixelFormat::Bgra32, 0x01020304);
  CopyKeyed(to32, src32, 0, 0, false, keep, kKey, Rect{0, 0, 1, 0});
  EXPECT_EQ(to32.Pixel(0, 0), 0x40FF00FFu);
  EXPECT_EQ(to32.Pixel(1, 0), 0x01020304u);
  // A key with top byte 0xFF matches nothing.
  Bitmap all = Filled(2, 1, PixelFormat::Bgr24, 0);
  CopyKeyed(all, KeyAndPlain(PixelFormat::Bgr24), 0, 0, false, keep, 0xFFFFFFFF, Rect{0, 0, 1, 0});
  EXPECT_EQ(all.Pixel(0, 0), kKey);
}

TEST(CopyFrame, CopiesOnlyTheBorder) {
  Bitmap src(12, 8, PixelFormat::Bgr24);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) src.SetPixel(x, y, static_cast<uint32_t>(y * 16 + x + 1));
  Bitmap dst(12, 8, PixelFormat::Bgr24);
  CopyFrame(dst, 1, 1, 10, 6, src, 1, 1, 2);
  int inner = 0, copied = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inRect = x >= 1 && x < 11 && y >= 1 && y < 7;
      const bool inInner = x >= 3 && x < 9 && y >= 3 && y < 5;
      const uint32_t v = dst.Pixel(x, y);
      if (inRect && !inInner) {
        EXPECT_EQ(v, src.Pixel(x, y)) << x << "," << y;
        ++copied;
      } else {
        EXPECT_EQ(v, 0u) << x << "," << y;
        inner += inInner;
      }
    }
  }
  EXPECT_EQ(inner, 12);  // the 6 x 2 block
  EXPECT_EQ(copied, 60 - 12);
}

TEST(CopyBlock, ConvertsBetweenFormatsAndClips) {
  const Bitmap src = Filled(3, 3, PixelFormat::Bgr24, 0x0A0B0C);
  Bitmap dst(2, 2, PixelFormat::Bgra32);
  CopyBlock(dst, -1, 1, 3, 3, src, 0, 0);
  EXPECT_EQ(dst.Pixel(0, 0), 0u);
  EXPECT_EQ(dst.Pixel(0, 1), 0xFF0A0B0Cu);
  EXPECT_EQ(dst.Pixel(1, 1), 0xFF0A0B0Cu);
  Bitmap back(1, 1, PixelFormat::Bgr24);
  CopyBlock(back, 0, 0, 1, 1, dst, 1, 1);
  EXPECT_EQ(back.Pixel(0, 0), 0x0A0B0Cu);
}

TEST(FillRectColor, OpaqueOn32BitsAndClipped) {
  Bitmap b32(3, 3, PixelFormat::Bgra32);
  FillRectColor(b32, Rect{-1, 1, 2, 9}, 0x12345678);
  EXPECT_EQ(b32.Pixel(0, 1), 0xFF345678u);
  EXPECT_EQ(b32.Pixel(1, 2), 0xFF345678u);
  EXPECT_EQ(b32.Pixel(2, 2), 0u) << "Right is excluded";
  EXPECT_EQ(b32.Pixel(0, 0), 0u);
  Bitmap b24(3, 1, PixelFormat::Bgr24);
  FillRectColor(b24, Rect{1, 0, 3, 1}, 0x00C0FFEE);
  EXPECT_EQ(b24.Pixel(0, 0), 0u);
  EXPECT_EQ(b24.Pixel(2, 0), 0xC0FFEEu);
}

TEST(GrayBitmap, AveragesChannelsRoundingDown) {
  Bitmap b(2, 1, PixelFormat::Bgra32);
  b.SetPixel(0, 0, 0x7F0A141F);  // blue 10, green 20, red 31, alpha 0x7F
  b.SetPixel(1, 0, 0x00FFFFFE);  // (255 + 255 + 254) div 3 = 254
  GrayBitmap(b);
  EXPECT_EQ(b.Pixel(0, 0), 0x7F141414u);
  EXPECT_EQ(b.Pixel(1, 0), 0x00FEFEFEu);
  Bitmap b24 = Filled(1, 1, PixelFormat::Bgr24, 0x0A141F);
  GrayBitmap(b24);
  EXPECT_EQ(b24.Pixel(0, 0), Gray(20));
}

TEST(PixelAccessors, AttachChecksBitmapAndFormat) {
  TacFast24 f24;
  TacFast32 f32;
  Bitmap b24(1, 1, PixelFormat::Bgr24);
  Bitmap b32(2, 3, PixelFormat::Bgra32);
  Bitmap empty;
  EXPECT_FALSE(f24.Attach(nullptr));
  EXPECT_FALSE(f24.Attach(&empty));
  EXPECT_FALSE(f24.Attach(&b32));
  EXPECT_EQ(f24.FWidth, 0);
  EXPECT_TRUE(f24.Attach(&b24)) << "a one-pixel bitmap is still a bitmap";
  f24.SetPixel(0, 0, 0x123456);
  EXPECT_EQ(b24.Pixel(0, 0), 0x123456u);
  EXPECT_FALSE(f32.Attach(&b24));
  ASSERT_TRUE(f32.Attach(&b32));
  EXPECT_EQ(f32.FDelta, b32.Stride());
  f32.FillBitmap(0x01020304);
  f32.FillRect(Rect{1, 1, 5, 2}, 0xAABBCCDD);
  EXPECT_EQ(f32.Pixel(0, 1), 0x01020304u);
  EXPECT_EQ(f32.Pixel(1, 1), 0xAABBCCDDu);
  EXPECT_EQ(b32.Pixel(1, 2), 0x01020304u);
}

}  // namespace
}  // namespace wakespan
