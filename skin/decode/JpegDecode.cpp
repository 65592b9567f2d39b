// JPEG decoder on libjpeg.
//
// libjpeg reports errors through the error manager, which jumps back with
// longjmp. The functions that call into libjpeg (StartJpeg and ReadJpegRows)
// each set the jump target themselves and hold no object with a destructor;
// everything with a destructor lives in the caller, which the jump never
// crosses.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// jerror.h names the warnings; included after jpeglib.h, which it needs.
#include <jerror.h>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

// Damaged data makes libjpeg warn and go on; so much damage is not an image.
constexpr int kMaxWarnings = 100;

// Data that ends early (the file or one of its segments) makes libjpeg warn
// and fill the rest of the image with grey; such an image is rejected, as
// the decoders reject every truncated image.
bool MeansDataEndedEarly(int messageCode) { return messageCode == JWRN_JPEG_EOF || messageCode == JWRN_HIT_MARKER; }
// Progressive files may hold any number of scans; real images use about ten.
constexpr int kMaxScans = 256;

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is ours too
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  int warnings;
};

[[noreturn]] void FailJpeg(j_common_ptr cinfo, const char* text) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  std::snprintf(errors->message, sizeof errors->message, "%s", text);
  std::longjmp(errors->jump, 1);
}

[[noreturn]] void OnJpegError(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, text);
  FailJpeg(cinfo, text);
}

void OnJpegMessage(j_common_ptr cinfo, int level) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  if (level >= 0) return;
  if (MeansDataEndedEarly(cinfo->err->msg_code)) FailJpeg(cinfo, "data ends early");
  if (++errors->warnings > kMaxWarnings) FailJpeg(cinfo, "too much damaged data");
}

void OnJpegProgress(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
    FailJpeg(cinfo, "too many scans");
}

// Reads the header and picks the output colours: RGB for grey, YCbCr and
// RGB files, CMYK for CMYK and YCCK files. Returns false after an error.
bool StartJpeg(j_decompress_ptr cinfo, const uint8_t* data, size_t size) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  if (setjmp(errors->jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_calc_output_dimensions(cinfo);
  return true;
}

// Four-component files are taken as inverted CMYK (255 = no ink) whether or
// not they carry Adobe's marker: that is how the writers of such files store
// them, and how every common reader shows them.
void StoreRow(const uint8_t* in, int components, int width, uint8_t* out) {
  for (int x = 0; x < width; ++x, in += components, out += 3) {
    if (components == 3) {
      out[0] = in[2], out[1] = in[1], out[2] = in[0];
      continue;
    }
    for (int c = 0; c < 3; ++c) out[2 - c] = static_cast<uint8_t>((in[c] * in[3] + 127) / 255);
  }
}

bool ReadJpegRows(j_decompress_ptr cinfo, uint8_t* scanline, Bitmap* image) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  if (setjmp(errors->jump)) return false;
  jpeg_start_decompress(cinfo);
  const int components = cinfo->output_components;
  if (components != 3 && components != 4) FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), "unexpected colour layout");
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    JSAMPROW row = scanline;
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), "no progress");
    StoreRow(scanline, components, image->Width(), image->Row(y));
  }
  return true;
}

struct JpegReader {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  jpeg_progress_mgr progress;
  JpegReader() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&progress, 0, sizeof progress);
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.emit_message = OnJpegMessage;
    errors.message[0] = '\0';
    errors.warnings = 0;
    progress.progress_monitor = OnJpegProgress;
  }
  ~JpegReader() { jpeg_destroy_decompress(&cinfo); }
};

DecodedImage Fail(const char* why) { return DecodedImage{Bitmap(), std::string("JPEG: ") + why}; }

}  // namespace

DecodedImage DecodeJpeg(const uint8_t* data, size_t size) {
  if (data == nullptr || size < 3 || data[0] != 0xFF || data[1] != 0xD8)
    return Fail("missing signature");
  if (size > 0xFFFFFFFFu) return Fail("data too large");
  JpegReader reader;
  if (!StartJpeg(&reader.cinfo, data, size)) return Fail(reader.errors.message);
  reader.cinfo.progress = &reader.progress;
  const int64_t width = reader.cinfo.output_width;
  const int64_t height = reader.cinfo.output_height;
  if (!Bitmap::IsAcceptableSize(width, height)) return Fail("unsupported dimensions");
  Bitmap image(static_cast<int>(width), static_cast<int>(height), PixelFormat::Bgr24);
  std::vector<uint8_t> scanline(static_cast<size_t>(width) * 4);
  if (!ReadJpegRows(&reader.cinfo, scanline.data(), &image)) return Fail(reader.errors.message);
  return DecodedImage{std::move(image), std::string()};
}

}  // namespace wakespan
