// One-pixel reads and writes at a byte address, shared by the bitmap type,
// the accessors and the pixel operations.
//
// Pixels are stored blue, green, red (and alpha); colour values are
// 0x00BBGGRR, so a colour's low byte is the pixel's third byte.
#pragma once

#include <cstdint>

namespace wakespan {

inline uint32_t ReadColor24(const uint8_t* p) {
  return uint32_t{p[2]} | uint32_t{p[1]} << 8 | uint32_t{p[0]} << 16;
}
// 0xAABBGGRR.
inline uint32_t ReadColor32(const uint8_t* p) { return ReadColor24(p) | uint32_t{p[3]} << 24; }

inline void WriteColor24(uint8_t* p, uint32_t color) {
  p[0] = static_cast<uint8_t>(color >> 16);
  p[1] = static_cast<uint8_t>(color >> 8);
  p[2] = static_cast<uint8_t>(color);
}
// The colour's top byte becomes the alpha byte.
inline void WriteColor32(uint8_t* p, uint32_t color) {
  WriteColor24(p, color);
  p[3] = static_cast<uint8_t>(color >> 24);
}

inline uint8_t RedOf(uint32_t color) { return static_cast<uint8_t>(color); }
inline uint8_t GreenOf(uint32_t color) { return static_cast<uint8_t>(color >> 8); }
inline uint8_t BlueOf(uint32_t color) { return static_cast<uint8_t>(color >> 16); }
inline uint32_t MakeColor(int red, int green, int blue) {
  return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
         static_cast<uint32_t>(blue) << 16;
}

// A colour value rearranged into pixel byte order (blue in the low byte,
// alpha from the colour's top byte), for comparing whole pixels at once.
inline uint32_t ColorToPixelOrder(uint32_t color) {
  return (color >> 16 & 0xFF) | (color & 0xFF00) | (color & 0xFF) << 16 | (color & 0xFF000000);
}

}  // namespace wakespan
