// PNG decoder on libpng's classic interface.
//
// libpng reports errors by longjmp. The two functions that call into libpng
// (ReadPngHeader and ReadPngRows) each set the jump target themselves and
// hold no object with a destructor, so a jump out of libpng skips nothing;
// the bitmap and the row table live in the caller, which the jump never
// crosses.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

// Largest ancillary chunk (text, colour profile) libpng may allocate for.
constexpr png_alloc_size_t kMaxChunkBytes = 4u << 20;

struct PngInput {
  const uint8_t* data;
  size_t size;
  size_t pos;
  char error[200];
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
  if (count > in->size - in->pos) png_error(png, "truncated data");
  std::memcpy(out, in->data + in->pos, count);
  in->pos += count;
}

void OnPngError(png_structp png, png_const_charp message) {
  auto* in = static_cast<PngInput*>(png_get_error_ptr(png));
  std::snprintf(in->error, sizeof in->error, "%s", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Reads the header and sets up the transforms to 8-bit blue, green, red,
// alpha. Returns false after an error.
bool ReadPngHeader(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, Bitmap::kMaxDimension, Bitmap::kMaxDimension);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  // Lets the fuzzer past chunk checksums it cannot compute.
  png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#endif
  png_read_info(png, info);
  const int colorType = png_get_color_type(png, info);
  const bool hasTransparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  // No gamma handling: skin colours are taken as stored.
  // 16-bit samples become 8-bit by rounding (value / 257 to the nearest),
  // which is as exact as 8 bits allow; the reference tools agree pixel for pixel.
  png_set_scale_16(png);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !hasTransparency)
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(*width) * 4)
    png_error(png, "unexpected row layout");
  return true;
}

bool ReadPngRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

DecodedImage Fail(const char* why) { return DecodedImage{Bitmap(), std::string("PNG: ") + why}; }

// A fully transparent white pixel would still lighten a blend that ignores
// alpha; it becomes 0 in all four bytes.
void ClearTransparentWhite(Bitmap& image) {
  for (int y = 0; y < image.Height(); ++y) {
    uint8_t* p = image.Row(y);
    for (int x = 0; x < image.Width(); ++x, p += 4) {
      if (p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 0) p[0] = p[1] = p[2] = 0;
    }
  }
}

}  // namespace

DecodedImage DecodePng(const uint8_t* data, size_t size) {
  if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0) return Fail("missing signature");
  PngInput in{data, size, 0, {0}};
  PngReader reader;
  reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &in, OnPngError, OnPngWarning);
  if (reader.png == nullptr) return Fail("out of memory");
  reader.info = png_create_info_struct(reader.png);
  if (reader.info == nullptr) return Fail("out of memory");
  png_set_read_fn(reader.png, &in, ReadFromMemory);

  png_uint_32 width = 0, height = 0;
  if (!ReadPngHeader(reader.png, reader.info, &width, &height)) return Fail(in.error);
  if (!Bitmap::IsAcceptableSize(width, height)) return Fail("unsupported dimensions");
  Bitmap image(static_cast<int>(width), static_cast<int>(height), PixelFormat::Bgra32);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.Row(static_cast<int>(y));
  if (!ReadPngRows(reader.png, rows.data())) return Fail(in.error);
  ClearTransparentWhite(image);
  return DecodedImage{std::move(image), std::string()};
}

}  // namespace wakespan
