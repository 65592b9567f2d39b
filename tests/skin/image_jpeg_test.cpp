// JPEG decoding: colour, grey and progressive files, and damaged data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

// Encodes width x height pixels of one colour (components 1: grey, 3: RGB,
// 4: CMYK as stored, with or without Adobe's marker).
std::vector<uint8_t> EncodeJpeg(int width, int height, int components, const uint8_t* color,
                                bool progressive, bool adobeMarker = true) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row;
  for (int x = 0; x < width; ++x) row.insert(row.end(), color, color + components);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

DecodedImage Decode(const std::vector<uint8_t>& b) { return DecodeJpeg(b.data(), b.size()); }

void ExpectNear(uint32_t actual, uint32_t expected) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    EXPECT_NEAR(a, e, 2) << std::hex << actual << " vs " << expected;
  }
}

TEST(JpegDecode, ColourGreyAndProgressive) {
  const uint8_t rgb[] = {200, 100, 30};
  const auto colour = Decode(EncodeJpeg(17, 9, 3, rgb, false));
  ASSERT_TRUE(colour.Ok()) << colour.Error;
  EXPECT_EQ(colour.Image.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(colour.Image.Width(), 17);
  EXPECT_EQ(colour.Image.Height(), 9);
  ExpectNear(colour.Image.Pixel(16, 8), 0x1E64C8);

  const uint8_t grey[] = {77};
  const auto g = Decode(EncodeJpeg(8, 8, 1, grey, false));
  ASSERT_TRUE(g.Ok()) << g.Error;
  const uint32_t p = g.Image.Pixel(3, 3);
  EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF) << "grey comes out with equal channels";
  ExpectNear(p, 0x4D4D4D);

  const auto prog = Decode(EncodeJpeg(33, 20, 3, rgb, true));
  ASSERT_TRUE(prog.Ok()) << prog.Error;
  ExpectNear(prog.Image.Pixel(32, 19), 0x1E64C8);
}

TEST(JpegDecode, CmykIsInvertedWithOrWithoutAdobeMarker) {
  // Stored inverted: 255 = no ink. C 255 (no cyan), M 127, Y 255, K 255
  // (no black) is RGB (255, 127, 255).
  const uint8_t cmyk[] = {255, 127, 255, 255};
  for (const bool marker : {true, false}) {
    const auto img = Decode(EncodeJpeg(16, 8, 4, cmyk, false, marker));
    ASSERT_TRUE(img.Ok()) << img.Error;
    ExpectNear(img.Image.Pixel(5, 5), 0xFF7FFF);
  }
}

TEST(JpegDecode, DataThatEndsEarlyIsAnError) {
  const uint8_t rgb[] = {10, 20, 30};
  const auto good = EncodeJpeg(64, 64, 3, rgb, false);
  ASSERT_TRUE(Decode(good).Ok());
  // Cut anywhere before the end marker: a clear error, never a bitmap
  // padded with grey.
  for (size_t n = 0; n + 2 < good.size(); n += 7) {
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    const auto img = Decode(cut);
    EXPECT_FALSE(img.Ok()) << "cut at " << n;
    EXPECT_TRUE(img.Image.IsEmpty());
    EXPECT_FALSE(img.Error.empty());
  }
  const std::vector<uint8_t> header(good.begin(), good.begin() + 20);
  EXPECT_FALSE(Decode(header).Ok());
  const std::vector<uint8_t> garbage = {0xFF, 0xD8, 0xFF, 0x00, 0x01, 0x02};
  EXPECT_FALSE(Decode(garbage).Ok());
  EXPECT_FALSE(DecodeJpeg(nullptr, 0).Ok());
}

}  // namespace
}  // namespace wakespan
