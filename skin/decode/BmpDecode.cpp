// Windows BMP decoder: the file header, a core (12-byte) or info (40 bytes
// and up) header, an optional palette, then rows of pixels padded to 4 bytes.
#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "skin/decode/ImageDecode.h"

namespace wakespan {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0;           // uncompressed
constexpr uint32_t kBitFields = 3;     // uncompressed with channel masks
constexpr uint32_t kAlphaBitFields = 6;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

DecodedImage Fail(const char* why) { return DecodedImage{Bitmap(), std::string("BMP: ") + why}; }

struct BmpHeader {
  int64_t width = 0;
  int64_t height = 0;  // always positive here; topDown says how rows are stored
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kRgb;
  uint32_t colorsUsed = 0;
  size_t paletteOffset = 0;
  size_t paletteEntrySize = 4;
  uint32_t masksOffset = 0;  // where the red, green, blue masks are, 0 when none
};

// Only the masks that describe plain BGRA bytes are taken; other layouts
// would need per-pixel bit shuffling that skin images never use.
bool HasStandardMasks(const uint8_t* data, size_t size, uint32_t at) {
  if (at + 12 > size) return false;
  return ReadU32(data + at) == 0x00FF0000 && ReadU32(data + at + 4) == 0x0000FF00 &&
         ReadU32(data + at + 8) == 0x000000FF;
}

// Palette colours as the bytes a 24-bit row holds: blue, green, red, then a
// spare 0 so that an entry can be stored with one 4-byte copy.
using Palette = std::array<std::array<uint8_t, 4>, 256>;

void ExpandPaletteRow(const uint8_t* src, int width, int bits, const Palette& palette, uint8_t* dst) {
  if (bits == 8) {
    // Each pixel is stored 4 bytes wide and the next one overwrites the spare
    // byte; the last pixel of the row gets exactly 3 so nothing lands past it.
    // Four pixels per step keep the loop overhead off the per-pixel cost.
    const int last = width - 1;
    int x = 0;
    for (; x + 4 <= last; x += 4, dst += 12) {
      std::memcpy(dst, palette[src[x]].data(), 4);
      std::memcpy(dst + 3, palette[src[x + 1]].data(), 4);
      std::memcpy(dst + 6, palette[src[x + 2]].data(), 4);
      std::memcpy(dst + 9, palette[src[x + 3]].data(), 4);
    }
    for (; x < last; ++x, dst += 3) std::memcpy(dst, palette[src[x]].data(), 4);
    std::memcpy(dst, palette[src[last]].data(), 3);
    return;
  }
  const int perByte = 8 / bits;
  const int mask = (1 << bits) - 1;
  for (int x = 0; x < width; ++x, dst += 3) {
    const int shift = 8 - bits * (x % perByte + 1);
    std::memcpy(dst, palette[(src[x / perByte] >> shift) & mask].data(), 3);
  }
}

}  // namespace

DecodedImage DecodeBmp(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kFileHeaderSize + 4) return Fail("data too short");
  if (data[0] != 'B' || data[1] != 'M') return Fail("missing \"BM\" signature");
  const uint32_t pixelOffset = ReadU32(data + 10);
  const uint32_t headerSize = ReadU32(data + kFileHeaderSize);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) return Fail("unknown header");
  if (headerSize > size - kFileHeaderSize) return Fail("truncated header");

  const uint8_t* h = data + kFileHeaderSize;
  BmpHeader hdr;
  hdr.paletteOffset = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeaderSize) {
    hdr.width = ReadU16(h + 4);
    hdr.height = ReadU16(h + 6);
    hdr.bitCount = ReadU16(h + 10);
    hdr.paletteEntrySize = 3;
  } else {
    hdr.width = static_cast<int32_t>(ReadU32(h + 4));
    hdr.height = static_cast<int32_t>(ReadU32(h + 8));
    hdr.bitCount = ReadU16(h + 14);
    hdr.compression = ReadU32(h + 16);
    hdr.colorsUsed = ReadU32(h + 32);
    if (hdr.compression == kBitFields || hdr.compression == kAlphaBitFields) {
      // Version 2 and later headers carry the masks; the plain info header
      // is followed by them.
      hdr.masksOffset = headerSize > kInfoHeaderSize ? kFileHeaderSize + kInfoHeaderSize
                                                     : kFileHeaderSize + headerSize;
      if (headerSize == kInfoHeaderSize)
        hdr.paletteOffset += hdr.compression == kAlphaBitFields ? 16 : 12;
    }
  }
  if (hdr.height < 0) {
    hdr.height = -hdr.height;
    hdr.topDown = true;
  }
  if (!Bitmap::IsAcceptableSize(hdr.width, hdr.height)) return Fail("unsupported dimensions");

  const int bits = hdr.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    return Fail("unsupported bits per pixel");
  if (hdr.compression != kRgb) {
    const bool plainMasks = bits == 32 && (hdr.compression == kBitFields ||
                                           hdr.compression == kAlphaBitFields) &&
                            HasStandardMasks(data, size, hdr.masksOffset);
    if (!plainMasks) return Fail("unsupported compression");
  }

  Palette palette{};  // indexes past the palette read black
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    const uint32_t count = hdr.colorsUsed == 0 ? maxColors : std::min(hdr.colorsUsed, maxColors);
    if (count * hdr.paletteEntrySize > size - std::min(size, hdr.paletteOffset))
      return Fail("truncated palette");
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* e = data + hdr.paletteOffset + i * hdr.paletteEntrySize;
      palette[i] = {e[0], e[1], e[2], 0};
    }
  }

  const int width = static_cast<int>(hdr.width);
  const int height = static_cast<int>(hdr.height);
  const uint64_t rowBytes = static_cast<uint64_t>(PaddedRowBytes(width, bits));
  const uint64_t lastRowBytes = (static_cast<uint64_t>(width) * bits + 7) / 8;
  // The last row may lack its padding; everything else must be there.
  if (pixelOffset > size || rowBytes * (height - 1) + lastRowBytes > size - pixelOffset)
    return Fail("truncated pixel data");

  Bitmap image = Bitmap::ForOverwrite(width, height, bits == 32 ? PixelFormat::Bgra32 : PixelFormat::Bgr24);
  const size_t usedBytes = static_cast<size_t>(lastRowBytes);
  for (int y = 0; y < height; ++y) {
    const int fileRow = hdr.topDown ? y : height - 1 - y;
    const uint8_t* src = data + pixelOffset + static_cast<size_t>(rowBytes) * fileRow;
    if (bits <= 8) {
      ExpandPaletteRow(src, width, bits, palette, image.Row(y));
    } else {
      std::copy(src, src + usedBytes, image.Row(y));
    }
  }
  return DecodedImage{std::move(image), std::string()};
}

}  // namespace wakespan
