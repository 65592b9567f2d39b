// Row kernels behind the hot pixel operations. Each has a plain loop and,
// on x86 processors with AVX2 (checked once at run time), a vector loop
// with exactly the same results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace wakespan {
namespace kernels {

// For `count` pixels of `bytesPerPixel` (3 or 4) bytes: where the pixel of
// `keyPlane` equals `keyPixel` the destination pixel stays, elsewhere it
// becomes the pixel of `values`. `keyPixel` is in pixel byte order (first
// byte in the low bits); 3-byte pixels compare its low 24 bits, 4-byte
// pixels the whole value. `keyPlane` may be `values`; neither may overlap
// `dst`. Rows too short for the vector loop (corners and glyph edges, a few
// pixels wide) are done right here, without a call and a dispatch.
inline void SelectUnlessKey(int bytesPerPixel, const uint8_t* keyPlane, const uint8_t* values, uint8_t* dst,
                            int count, uint32_t keyPixel);

// SelectUnlessKey through the row kernels, for rows of any length.
void SelectUnlessKeyRow(int bytesPerPixel, const uint8_t* keyPlane, const uint8_t* values, uint8_t* dst,
                        int count, uint32_t keyPixel);

// SelectUnlessKey pixel by pixel.
inline void SelectUnlessKeyPlain(int bytesPerPixel, const uint8_t* keyPlane, const uint8_t* values,
                                 uint8_t* dst, int count, uint32_t keyPixel) {
  const size_t bytes = static_cast<size_t>(bytesPerPixel);
  const uint32_t key = bytesPerPixel == 4 ? keyPixel : keyPixel & 0xFFFFFF;
  for (int i = 0; i < count; ++i, keyPlane += bytes, values += bytes, dst += bytes) {
    const uint32_t pixel = keyPlane[0] | keyPlane[1] << 8 | uint32_t{keyPlane[2]} << 16 |
                           (bytesPerPixel == 4 ? uint32_t{keyPlane[3]} << 24 : 0);
    if (pixel != key) std::memcpy(dst, values, bytes);
  }
}

inline void SelectUnlessKey(int bytesPerPixel, const uint8_t* keyPlane, const uint8_t* values, uint8_t* dst,
                            int count, uint32_t keyPixel) {
  if (count < 10) return SelectUnlessKeyPlain(bytesPerPixel, keyPlane, values, dst, count, keyPixel);
  SelectUnlessKeyRow(bytesPerPixel, keyPlane, values, dst, count, keyPixel);
}

// dst[i] = (dst[i] * alpha + src[i] * (255 - alpha) + 127) >> 8 for `count`
// bytes.
void AlphaBlendBytes(uint8_t* dst, const uint8_t* src, int count, uint8_t alpha);

// out[i] = (dst[i] * m + src[i] * (256 - m)) >> 8 with m = min(mask[i] +
// lift, 255), for `count` bytes. `out` may be `dst`.
void MaskBlendBytes(const uint8_t* dst, const uint8_t* src, const uint8_t* mask, uint8_t* out,
                    int count, uint8_t lift);

// The fraction p of a percent blend as 15-bit fixed point: out = s - o(d)
// with d = s - dst, o(d) = (d * P + 2^14) >> 15, and when d * P is an exact
// tie (its low 15 bits are 2^14) the result is moved to the even neighbour.
// MakePercentWeight gives such a P only when, for every d in -255..255, this
// reproduces round-half-even of the double expression s - p * d; otherwise
// it returns -1 and the caller computes in doubles.
int MakePercentWeight(double p);

// out[i] = the percent blend of src[i] over dst[i] with weight P for `count`
// bytes; with keepFourth every fourth byte (alpha) is dst's instead.
void PercentBlendBytes(const uint8_t* src, const uint8_t* dst, uint8_t* out, int count, int weight,
                       bool keepFourth);

// Writes `count` pixels of `bytesPerPixel` (3 or 4) bytes, all `pixel`
// (in pixel byte order, first byte in the low bits), from `dst` on.
void FillPixels(uint8_t* dst, uint32_t pixel, int bytesPerPixel, int count);

}  // namespace kernels
}  // namespace wakespan
