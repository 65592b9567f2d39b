#include "platform/gui/ImageList.h"

#include <cstdint>
#include <cstring>

#include "platform/gui/Handles.h"
#include "platform/gui/Pictures.h"

namespace gui {

namespace {

bool IsMagenta(const uint8_t* bgra) { return bgra[0] == 255 && bgra[1] == 0 && bgra[2] == 255; }

}  // namespace

HBITMAP CopyAsAlphaBitmap(HBITMAP source, int left, int top, int width, int height) {
  BITMAP info{};
  if (!source || !GetObjectW(source, sizeof(info), &info) || width <= 0 || height <= 0) return nullptr;
  // Read the whole source as top-down 32-bit rows.
  BITMAPINFO read = TopDownDibInfo(info.bmWidth, info.bmHeight);
  std::vector<uint8_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight * 4);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, source, 0, info.bmHeight, pixels.data(), &read, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return nullptr;

  BITMAPINFO made = read;
  made.bmiHeader.biWidth = width;
  made.bmiHeader.biHeight = -height;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(nullptr, &made, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!copy) return nullptr;
  auto* out = static_cast<uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* px = out + (static_cast<size_t>(y) * width + x) * 4;
      const int sx = left + x, sy = top + y;
      if (sx < 0 || sy < 0 || sx >= info.bmWidth || sy >= info.bmHeight) {
        std::memset(px, 0, 4);
        continue;
      }
      std::memcpy(px, &pixels[(static_cast<size_t>(sy) * info.bmWidth + sx) * 4], 4);
      if (info.bmBitsPixel != 32) {
        // Pictures without alpha use magenta as their see-through colour.
        if (IsMagenta(px))
          std::memset(px, 0, 4);
        else
          px[3] = 255;
      }
    }
  }
  return copy;
}

ImageList::ImageList(Form* owner, std::wstring name, const wchar_t* stripResource)
    : Component(owner, std::move(name)) {
  OwnedBitmap strip(LoadAlphaBitmap(stripResource));
  BITMAP info{};
  if (!strip || !GetObjectW(strip.get(), sizeof(info), &info) || info.bmHeight <= 0) return;
  const int size = info.bmHeight;
  for (int left = 0; left + size <= info.bmWidth; left += size)
    pictures_.emplace_back(CopyAsAlphaBitmap(static_cast<HBITMAP>(strip.get()), left, 0, size, size));
}

HBITMAP ImageList::Picture(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<HBITMAP>(pictures_[static_cast<size_t>(index)].get());
}

}  // namespace gui
