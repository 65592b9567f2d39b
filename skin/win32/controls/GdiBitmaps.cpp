#include "skin/win32/controls/GdiBitmaps.h"

#include <commctrl.h>

#include <cstring>

#include "platform/gui/Handles.h"

namespace wakespan {
namespace {

Bitmap Read(HDC dc, HBITMAP handle, int width, int height) {
  if (!Bitmap::IsAcceptableSize(width, height)) return Bitmap();
  Bitmap result(width, height, PixelFormat::Bgra32);
  BITMAPINFO info = gui::TopDownDibInfo(width, height);
  std::vector<uint8_t> rows(size_t(width) * size_t(height) * 4);
  if (!GetDIBits(dc, handle, 0, UINT(height), rows.data(), &info, DIB_RGB_COLORS)) return Bitmap();
  for (int y = 0; y < height; ++y) std::memcpy(result.Row(y), rows.data() + size_t(y) * width * 4, size_t(width) * 4);
  return result;
}

}  // namespace

Bitmap BitmapFromHandle(HBITMAP handle) {
  BITMAP info{};
  if (!handle || !GetObjectW(handle, sizeof(info), &info)) return Bitmap();
  const gui::OwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  return Read(dc.get(), handle, info.bmWidth, info.bmHeight);
}

Bitmap ImageListStrip(HIMAGELIST list) {
  int w = 0, h = 0;
  const int count = list ? ImageList_GetImageCount(list) : 0;
  if (count <= 0 || !ImageList_GetIconSize(list, &w, &h)) return Bitmap();
  const gui::OwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  BITMAPINFO info = gui::TopDownDibInfo(w * count, h);
  void* bits = nullptr;
  gui::OwnedBitmap strip(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!strip) return Bitmap();
  {
    const gui::ScopedSelect select(dc.get(), strip.get());
    for (int i = 0; i < count; ++i) ImageList_Draw(list, i, dc.get(), i * w, 0, ILD_NORMAL);
    GdiFlush();
  }
  return Read(dc.get(), static_cast<HBITMAP>(strip.get()), w * count, h);
}

}  // namespace wakespan
