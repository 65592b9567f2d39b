#include "skin/decode/ImageDecode.h"

#include <cstring>

namespace wakespan {

ImageKind DetectImageKind(const uint8_t* data, size_t size) {
  static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (data == nullptr) return ImageKind::Unknown;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ImageKind::Bmp;
  if (size >= 8 && std::memcmp(data, kPngSignature, 8) == 0) return ImageKind::Png;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return ImageKind::Jpeg;
  return ImageKind::Unknown;
}

DecodedImage DecodeImage(const uint8_t* data, size_t size) {
  switch (DetectImageKind(data, size)) {
    case ImageKind::Bmp: return DecodeBmp(data, size);
    case ImageKind::Png: return DecodePng(data, size);
    case ImageKind::Jpeg: return DecodeJpeg(data, size);
    case ImageKind::Unknown: break;
  }
  return DecodedImage{Bitmap(), "unknown image format"};
}

}  // namespace wakespan
