// PNG decoding: colour types, depths, transparency, interlacing, the
// clearing of transparent white, and damaged files.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

struct PngPicture {
  int width = 2;
  int height = 2;
  int colorType = PNG_COLOR_TYPE_RGB_ALPHA;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<png_color> palette;
  std::vector<png_byte> paletteAlpha;  // tRNS of a palette image
  std::vector<uint8_t> rows;           // packed as the format says, row after row
};

void AppendToVector(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// Writes a PNG with libpng; the test aborts on a libpng error.
std::vector<uint8_t> EncodePng(const PngPicture& picture) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToVector, nullptr);
  png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.palette.empty())
    png_set_PLTE(png, info, picture.palette.data(), static_cast<int>(picture.palette.size()));
  if (!picture.paletteAlpha.empty())
    png_set_tRNS(png, info, picture.paletteAlpha.data(), static_cast<int>(picture.paletteAlpha.size()),
                 nullptr);
  png_write_info(png, info);
  const size_t rowBytes = picture.rows.size() / picture.height;
  std::vector<png_bytep> rows;
  for (int y = 0; y < picture.height; ++y)
    rows.push_back(const_cast<png_bytep>(picture.rows.data() + y * rowBytes));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

DecodedImage Decode(const std::vector<uint8_t>& b) { return DecodePng(b.data(), b.size()); }

TEST(PngDecode, RgbaBecomesBgraAndTransparentWhiteIsCleared) {
  PngPicture picture;  // R, G, B, A per pixel
  picture.rows = {255, 255, 255, 0,   10, 20, 30, 40,
               255, 255, 255, 1,   254, 255, 255, 0};
  const auto img = Decode(EncodePng(picture));
  ASSERT_TRUE(img.Ok()) << img.Error;
  EXPECT_EQ(img.Image.Format(), PixelFormat::Bgra32);
  EXPECT_EQ(img.Image.Pixel(0, 0), 0u) << "white with alpha 0 is cleared";
  EXPECT_EQ(img.Image.Pixel(1, 0), 0x281E140Au);
  EXPECT_EQ(img.Image.Pixel(0, 1), 0x01FFFFFFu) << "not fully transparent: kept";
  EXPECT_EQ(img.Image.Pixel(1, 1), 0x00FFFFFEu) << "not pure white: kept";
}

TEST(PngDecode, GreyPaletteAndSixteenBitImages) {
  PngPicture grey;
  grey.width = 4, grey.height = 1, grey.colorType = PNG_COLOR_TYPE_GRAY, grey.bitDepth = 2;
  grey.rows = {0b00011011};  // 0, 1, 2, 3 -> 0, 85, 170, 255
  const auto g = Decode(EncodePng(grey));
  ASSERT_TRUE(g.Ok()) << g.Error;
  EXPECT_EQ(g.Image.Pixel(1, 0), 0xFF555555u);
  EXPECT_EQ(g.Image.Pixel(3, 0), 0xFFFFFFFFu);

  PngPicture pal;
  pal.width = 2, pal.height = 1, pal.colorType = PNG_COLOR_TYPE_PALETTE;
  pal.palette = {{1, 2, 3}, {255, 255, 255}};
  pal.paletteAlpha = {128, 0};
  pal.rows = {0, 1};
  const auto p = Decode(EncodePng(pal));
  ASSERT_TRUE(p.Ok()) << p.Error;
  EXPECT_EQ(p.Image.Pixel(0, 0), 0x80030201u);
  EXPECT_EQ(p.Image.Pixel(1, 0), 0u) << "transparent white from tRNS is cleared too";

  PngPicture deep;
  deep.width = 1, deep.height = 1, deep.colorType = PNG_COLOR_TYPE_RGB, deep.bitDepth = 16;
  deep.rows = {0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00};  // red 65535, green 32768, blue 0
  const auto d = Decode(EncodePng(deep));
  ASSERT_TRUE(d.Ok()) << d.Error;
  EXPECT_EQ(d.Image.Pixel(0, 0), 0xFF0080FFu);
}

TEST(PngDecode, InterlacedImagesComeOutWhole) {
  PngPicture picture;
  picture.width = 9, picture.height = 9, picture.colorType = PNG_COLOR_TYPE_RGB, picture.interlaced = true;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      picture.rows.insert(picture.rows.end(), {static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 20), 7});
  const auto img = Decode(EncodePng(picture));
  ASSERT_TRUE(img.Ok()) << img.Error;
  EXPECT_EQ(img.Image.Pixel(8, 3), 0xFF073CA0u);
  EXPECT_EQ(img.Image.Pixel(5, 8), 0xFF07A064u);
}

TEST(PngDecode, DamagedFilesAreErrors) {
  PngPicture picture;
  picture.rows.assign(16, 200);
  const auto good = EncodePng(picture);
  ASSERT_TRUE(Decode(good).Ok());
  for (size_t n = 0; n < good.size() - 12; n += 3) {  // IEND (12 bytes) is not needed
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    const auto img = Decode(cut);
    EXPECT_FALSE(img.Ok()) << n;
    EXPECT_TRUE(img.Image.IsEmpty());
  }
  auto crc = good;
  crc[29] ^= 0xFF;  // last byte of the IHDR checksum
  EXPECT_FALSE(Decode(crc).Ok());
  auto huge = good;  // width 0x7FFF0000: refused before anything is allocated
  huge[16] = 0x7F, huge[17] = 0xFF;
  const auto h = Decode(huge);
  EXPECT_FALSE(h.Ok());
  EXPECT_FALSE(h.Error.empty());
  EXPECT_FALSE(DecodePng(nullptr, 0).Ok());
}

TEST(DetectImageKind, BySignature) {
  PngPicture picture;
  picture.rows.assign(16, 0);
  const auto png = EncodePng(picture);
  EXPECT_EQ(DetectImageKind(png.data(), png.size()), ImageKind::Png);
  EXPECT_TRUE(DecodeImage(png.data(), png.size()).Ok());
  const uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
  EXPECT_EQ(DetectImageKind(jpeg, sizeof jpeg), ImageKind::Jpeg);
  const uint8_t bmp[] = {'B', 'M'};
  EXPECT_EQ(DetectImageKind(bmp, sizeof bmp), ImageKind::Bmp);
  EXPECT_EQ(DetectImageKind(bmp, 1), ImageKind::Unknown);
  EXPECT_FALSE(DecodeImage(bmp, 1).Ok());
}

}  // namespace
}  // namespace wakespan
