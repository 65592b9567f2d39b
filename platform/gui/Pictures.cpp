#include "platform/gui/Pictures.h"

#include <algorithm>
#include <cstdint>

#include "platform/gui/Handles.h"
#include "platform/gui/ImageList.h"

namespace gui {

HBITMAP LoadAlphaBitmap(const wchar_t* resourceName) {
  auto bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return nullptr;
  DIBSECTION dib{};
  if (GetObjectW(bitmap, sizeof(dib), &dib) == sizeof(dib) && dib.dsBm.bmBitsPixel == 32 && dib.dsBm.bmBits) {
    auto* row = static_cast<uint8_t*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y, row += dib.dsBm.bmWidthBytes) {
      for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
        uint8_t* px = row + 4 * x;
        const unsigned alpha = px[3];
        // Rounded product: (c * a + 127) / 255.
        for (int c = 0; c < 3; ++c) px[c] = static_cast<uint8_t>((px[c] * alpha + 127) / 255);
      }
    }
  }
  return bitmap;
}

HBITMAP HardenAlpha(HBITMAP picture) {
  DIBSECTION dib{};
  if (!picture || GetObjectW(picture, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 32 ||
      !dib.dsBm.bmBits)
    return picture;
  auto* row = static_cast<uint8_t*>(dib.dsBm.bmBits);
  for (int y = 0; y < dib.dsBm.bmHeight; ++y, row += dib.dsBm.bmWidthBytes) {
    for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
      uint8_t* px = row + 4 * x;
      const unsigned alpha = px[3];
      if (alpha < 128) {
        px[0] = px[1] = px[2] = px[3] = 0;
        continue;
      }
      // Undo the premultiplication, rounded: (c * 255 + a / 2) / a, at most 255.
      for (int c = 0; c < 3; ++c) px[c] = static_cast<uint8_t>(std::min(255u, (px[c] * 255u + alpha / 2) / alpha));
      px[3] = 255;
    }
  }
  return picture;
}

HBITMAP LoadPicture(const wchar_t* resourceName) {
  OwnedBitmap loaded(LoadAlphaBitmap(resourceName));
  BITMAP info{};
  if (!loaded || !GetObjectW(loaded.get(), sizeof(info), &info)) return nullptr;
  return CopyAsAlphaBitmap(static_cast<HBITMAP>(loaded.get()), 0, 0, info.bmWidth, info.bmHeight);
}

}  // namespace gui
