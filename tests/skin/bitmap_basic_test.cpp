// The bitmap type: sizes, row layout, pixel round trips, format conversion,
// and the span clipping every operation relies on.
#include <gtest/gtest.h>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {
namespace {

TEST(Bitmap, RowsArePaddedToFourBytesAndZeroFilled) {
  Bitmap b24(3, 2, PixelFormat::Bgr24);
  EXPECT_EQ(b24.Stride(), 12);
  EXPECT_EQ(b24.Row(1) - b24.Row(0), 12);
  EXPECT_EQ(b24.Pixel(2, 1), 0u);
  Bitmap b32(3, 2, PixelFormat::Bgra32);
  EXPECT_EQ(b32.Stride(), 12);
  EXPECT_EQ(b32.BytesPerPixel(), 4);
}

TEST(Bitmap, ForOverwriteHasTheSameLayoutWithZeroPadding) {
  Bitmap b = Bitmap::ForOverwrite(3, 2, PixelFormat::Bgr24);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Stride(), 12);
  for (int y = 0; y < 2; ++y)
    for (int i = 9; i < 12; ++i) EXPECT_EQ(b.Row(y)[i], 0) << y << " " << i;
  EXPECT_TRUE(Bitmap::ForOverwrite(0, 2, PixelFormat::Bgr24).IsEmpty());
}

TEST(Bitmap, RejectsSizesThatCannotBeAllocatedSafely) {
  EXPECT_TRUE(Bitmap(0, 5, PixelFormat::Bgr24).IsEmpty());
  EXPECT_TRUE(Bitmap(5, -1, PixelFormat::Bgr24).IsEmpty());
  EXPECT_TRUE(Bitmap(Bitmap::kMaxDimension + 1, 1, PixelFormat::Bgr24).IsEmpty());
  EXPECT_FALSE(Bitmap::IsAcceptableSize(20000, 20000));  // too many pixels
  EXPECT_TRUE(Bitmap::IsAcceptableSize(1, Bitmap::kMaxDimension));
  EXPECT_EQ(Bitmap(0, 5, PixelFormat::Bgr24).Width(), 0);
}

TEST(Bitmap, PixelsReadBackAsColourValues) {
  Bitmap b24(2, 1, PixelFormat::Bgr24);
  b24.SetPixel(1, 0, 0xAA123456);  // no alpha in 24 bits
  EXPECT_EQ(b24.Pixel(1, 0), 0x123456u);
  EXPECT_EQ(b24.Row(0)[3], 0x12) << "blue is the first byte of a pixel";
  EXPECT_EQ(b24.Row(0)[5], 0x56) << "red is the third";
  Bitmap b32(2, 1, PixelFormat::Bgra32);
  b32.SetPixel(1, 0, 0xAA123456);
  EXPECT_EQ(b32.Pixel(1, 0), 0xAA123456u);
  EXPECT_EQ(b32.Row(0)[7], 0xAA);
}

TEST(Bitmap, ConversionAddsOpaqueAlphaOrDropsIt) {
  Bitmap b24(2, 2, PixelFormat::Bgr24);
  b24.SetPixel(1, 1, 0x010203);
  const Bitmap b32 = b24.ConvertedTo(PixelFormat::Bgra32);
  EXPECT_EQ(b32.Format(), PixelFormat::Bgra32);
  EXPECT_EQ(b32.Pixel(1, 1), 0xFF010203u);
  EXPECT_EQ(b32.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(b32.ConvertedTo(PixelFormat::Bgr24), b24);
  EXPECT_TRUE(Bitmap().ConvertedTo(PixelFormat::Bgra32).IsEmpty());
}

TEST(ClipSpan, KeepsTheRunInsideBothRanges) {
  // Run of 5 at destination -2 and source 1, destination 10 wide, source 4.
  const Span s = ClipSpan(-2, 1, 5, 10, 4);
  EXPECT_EQ(s.First, 2);  // destination 0, source 3
  EXPECT_EQ(s.Count, 1);  // source 3 is the last
  const Span whole = ClipSpan(0, 0, 3, 3, 3);
  EXPECT_EQ(whole.First, 0);
  EXPECT_EQ(whole.Count, 3);
  EXPECT_EQ(ClipSpan(10, 0, 3, 10, 10).Count, 0);
  EXPECT_EQ(ClipSpan(0, 0, -4, 10, 10).Count, 0);
  EXPECT_EQ(ClipSpan(-2147483647LL - 1, 0, 2147483647LL, 10, 10).Count, 0);
}

}  // namespace
}  // namespace wakespan
