// An in-memory device-independent bitmap of 24 bits (blue, green, red) or
// 32 bits (blue, green, red, alpha) per pixel that owns its pixels.
//
// Row 0 is the top row. Rows are padded to a multiple of 4 bytes, as Windows
// DIBs are, so a bitmap can be handed to the platform as a top-down DIB.
// Pixels are reached through Row(y) (address of a row) or Bits() plus
// y * Stride(); operations keep to those and never to per-pixel calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace wakespan {

enum class PixelFormat : uint8_t { Bgr24 = 24, Bgra32 = 32 };

class Bitmap {
 public:
  // Limits on what Create accepts, so hostile sizes never reach an allocation.
  static constexpr int kMaxDimension = 32767;
  static constexpr int64_t kMaxPixels = int64_t{1} << 24;  // 64 MB at 32 bits

  Bitmap() = default;
  // A zero-filled bitmap; empty when the size is 0, negative or too large.
  Bitmap(int width, int height, PixelFormat format);
  // The same for a caller that writes every pixel before reading any (a
  // decoder): only the row padding is zeroed, sparing a pass over the pixels.
  static Bitmap ForOverwrite(int width, int height, PixelFormat format);

  static bool IsAcceptableSize(int64_t width, int64_t height);

  bool IsEmpty() const { return pixels_.empty(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  int BytesPerPixel() const { return format_ == PixelFormat::Bgra32 ? 4 : 3; }
  // Distance in bytes from one row to the next.
  std::ptrdiff_t Stride() const { return stride_; }

  uint8_t* Bits() { return pixels_.data(); }
  const uint8_t* Bits() const { return pixels_.data(); }
  uint8_t* Row(int y) { return pixels_.data() + y * stride_; }
  const uint8_t* Row(int y) const { return pixels_.data() + y * stride_; }

  // Colour of pixel (x, y) as 0x00BBGGRR (24-bit) or 0xAABBGGRR (32-bit).
  // The caller keeps (x, y) inside the bitmap.
  uint32_t Pixel(int x, int y) const;
  // Stores blue, green, red of `color`; a 32-bit pixel takes its top byte as alpha.
  void SetPixel(int x, int y, uint32_t color);

  // A copy in the other format: 24 -> 32 gives alpha 255, 32 -> 24 drops alpha.
  Bitmap ConvertedTo(PixelFormat format) const;

  friend bool operator==(const Bitmap& a, const Bitmap& b);
  friend bool operator!=(const Bitmap& a, const Bitmap& b) { return !(a == b); }

 private:
  // Leaves new elements uninitialised, so ForOverwrite can skip zeroing.
  template <typename T>
  struct DefaultInitAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
      using other = DefaultInitAllocator<U>;
    };
    DefaultInitAllocator() = default;
    template <typename U>
    DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };

  Bitmap(int width, int height, PixelFormat format, bool zeroPixels);

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  std::ptrdiff_t stride_ = 0;
  std::vector<uint8_t, DefaultInitAllocator<uint8_t>> pixels_;
};

// Bytes of one padded row of `width` pixels at `bitsPerPixel`.
inline std::ptrdiff_t PaddedRowBytes(int64_t width, int bitsPerPixel) {
  return static_cast<std::ptrdiff_t>(((width * bitsPerPixel + 31) / 32) * 4);
}

}  // namespace wakespan
