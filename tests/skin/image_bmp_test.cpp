// BMP decoding: every supported depth, both row orders, and hostile headers.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A BMP with a 40-byte info header; `rows` are the file's rows in file order,
// each already padded.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bits,
                             const std::vector<uint32_t>& palette,
                             const std::vector<std::vector<uint8_t>>& rows) {
  const size_t paletteBytes = palette.size() * 4;
  const size_t offset = 14 + 40 + paletteBytes;
  std::vector<uint8_t> b(offset);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<uint32_t>(bits));
  Put32(b, 46, static_cast<uint32_t>(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) Put32(b, 54 + i * 4, palette[i]);
  for (const auto& row : rows) b.insert(b.end(), row.begin(), row.end());
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  return b;
}

DecodedImage Decode(const std::vector<uint8_t>& b) { return DecodeBmp(b.data(), b.size()); }

TEST(BmpDecode, EightBitPaletteBottomUp) {
  // Palette entries are stored blue, green, red, reserved: 0x00RRGGBB.
  const std::vector<uint32_t> palette = {0x000000, 0xFF00FF, 0x123456};
  // File rows bottom-up: the first file row is the image's last row.
  const auto img = Decode(MakeBmp(3, 2, 8, palette, {{2, 2, 2, 0}, {0, 1, 200, 0}}));
  ASSERT_TRUE(img.Ok()) << img.Error;
  EXPECT_EQ(img.Image.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(img.Image.Pixel(0, 0), 0x000000u);
  EXPECT_EQ(img.Image.Pixel(1, 0), 0xFF00FFu);
  EXPECT_EQ(img.Image.Pixel(2, 0), 0x000000u) << "an index past the palette reads black";
  EXPECT_EQ(img.Image.Pixel(0, 1), 0x563412u) << "pixels read back as 0x00BBGGRR";
}

TEST(BmpDecode, EightBitRowsEndExactlyAtTheirLastPixel) {
  // Widths 4, 8 and 5, 9, 14 leave no padding or some after the last pixel
  // of a 24-bit row: the last pixel must neither be cut nor spill (ASan
  // checks), whether the row is decoded four pixels at a time or singly.
  const std::vector<uint32_t> palette = {0x010203, 0x0A0B0C, 0x112233};
  for (const int width : {4, 5, 8, 9, 14}) {
    std::vector<uint8_t> row(size_t(width + 3) / 4 * 4);
    for (int x = 0; x < width; ++x) row[size_t(x)] = uint8_t((x * 2 + 2) % 3);
    const auto img = Decode(MakeBmp(width, 1, 8, palette, {row}));
    ASSERT_TRUE(img.Ok()) << img.Error;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = palette[row[size_t(x)]];
      EXPECT_EQ(img.Image.Pixel(x, 0), (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16) << width << " " << x;
    }
  }
}

TEST(BmpDecode, OneAndFourBitsTakeTheHighBitsFirst) {
  const std::vector<uint32_t> two = {0x000000, 0xFFFFFF};
  const auto mono = Decode(MakeBmp(10, 1, 1, two, {{0b10100000, 0b01000000, 0, 0}}));
  ASSERT_TRUE(mono.Ok()) << mono.Error;
  const uint32_t expected[10] = {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0xFFFFFF};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(mono.Image.Pixel(x, 0), expected[x]) << x;

  const std::vector<uint32_t> sixteen(16, 0x0000FF);
  auto pal = sixteen;
  pal[0xA] = 0x00FF00;
  const auto four = Decode(MakeBmp(4, 1, 4, pal, {{0xA0, 0x0A, 0, 0}}));
  ASSERT_TRUE(four.Ok()) << four.Error;
  EXPECT_EQ(four.Image.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(four.Image.Pixel(1, 0), 0xFF0000u);
  EXPECT_EQ(four.Image.Pixel(2, 0), 0xFF0000u);
  EXPECT_EQ(four.Image.Pixel(3, 0), 0x00FF00u);
}

TEST(BmpDecode, TwentyFourBitTopDownAndThirtyTwoBitKeepsAlpha) {
  const auto rgb = Decode(MakeBmp(1, -2, 24, {}, {{1, 2, 3, 0}, {4, 5, 6, 0}}));
  ASSERT_TRUE(rgb.Ok()) << rgb.Error;
  EXPECT_EQ(rgb.Image.Pixel(0, 0), 0x010203u);
  EXPECT_EQ(rgb.Image.Pixel(0, 1), 0x040506u);

  const auto argb = Decode(MakeBmp(1, 1, 32, {}, {{10, 20, 30, 40}}));
  ASSERT_TRUE(argb.Ok()) << argb.Error;
  EXPECT_EQ(argb.Image.Format(), PixelFormat::Bgra32);
  EXPECT_EQ(argb.Image.Pixel(0, 0), 0x280A141Eu);
}

TEST(BmpDecode, CoreHeaderWithThreeBytePalette) {
  std::vector<uint8_t> b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0,
                            12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0,
                            0x11, 0x22, 0x33, 0x44, 0x55, 0x66,  // palette: B, G, R
                            0x40, 0, 0, 0};
  const auto img = Decode(b);
  ASSERT_TRUE(img.Ok()) << img.Error;
  EXPECT_EQ(img.Image.Pixel(0, 0), 0x112233u);
  EXPECT_EQ(img.Image.Pixel(1, 0), 0x445566u);
}

TEST(BmpDecode, RejectsHostileInputWithoutReadingPastIt) {
  const auto good = MakeBmp(2, 2, 24, {}, {{1, 2, 3, 4, 5, 6, 0, 0}, {1, 2, 3, 4, 5, 6, 0, 0}});
  ASSERT_TRUE(Decode(good).Ok());
  // Every truncation is an error; the copies are exact-size so ASan sees overreads.
  for (size_t n = 0; n + 2 < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    const auto img = Decode(cut);
    EXPECT_FALSE(img.Ok()) << n;
    EXPECT_TRUE(img.Image.IsEmpty());
  }
  // The last row's padding may be missing.
  std::vector<uint8_t> unpadded(good.begin(), good.end() - 2);
  EXPECT_TRUE(Decode(unpadded).Ok());

  auto huge = good;
  Put32(huge, 18, 0x7FFFFFFF);
  EXPECT_FALSE(Decode(huge).Ok());
  auto lowest = good;
  Put32(lowest, 22, 0x80000000);  // INT32_MIN rows, top-down
  EXPECT_FALSE(Decode(lowest).Ok());
  auto zero = good;
  Put32(zero, 18, 0);
  EXPECT_FALSE(Decode(zero).Ok());
  auto rle = good;
  Put32(rle, 30, 1);
  EXPECT_FALSE(Decode(rle).Ok());
  auto sixteen = good;
  Put16(sixteen, 28, 16);
  EXPECT_FALSE(Decode(sixteen).Ok());
  auto farOffset = good;
  Put32(farOffset, 10, 0xFFFFFFF0);
  EXPECT_FALSE(Decode(farOffset).Ok());
  auto bigHeader = good;
  Put32(bigHeader, 14, 0xFFFFFFFF);
  EXPECT_FALSE(Decode(bigHeader).Ok());
  auto palette = MakeBmp(1, 1, 8, {0}, {{0, 0, 0, 0}});
  Put32(palette, 46, 256);  // declares more colours than the file holds
  EXPECT_FALSE(Decode(palette).Ok());
  EXPECT_FALSE(DecodeBmp(nullptr, 0).Ok());
}

}  // namespace
}  // namespace wakespan
