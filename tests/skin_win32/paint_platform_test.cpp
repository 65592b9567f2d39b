// The GDI implementation of the painting layer's platform calls, on
// bitmaps and on a memory device context.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/data/sSkinManager.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/win32/manager/PaintPlatformWin32.h"

namespace wakespan {
namespace {

Bitmap Filled(int w, int h, PixelFormat format, uint32_t color) {
  Bitmap b(w, h, format);
  FillRectColor(b, Rect{0, 0, w, h}, color);
  return b;
}

// A 32-bit top-down DIB section in a memory DC.
struct Screen {
  HDC dc = CreateCompatibleDC(nullptr);
  uint32_t* bits = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  Screen() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    old = SelectObject(dc, bitmap);
  }
  ~Screen() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  uint32_t Rgb(int x, int y) {
    GdiFlush();
    return bits[y * 16 + x] & 0xFFFFFF;  // 0x00RRGGBB
  }
};

TEST(PaintPlatformWin32, StretchKeepsAnEvenColourAndTheTriangleFillPaints) {
  PaintPlatformWin32& platform = Win32PaintPlatform();
  const Bitmap src = Filled(4, 4, PixelFormat::Bgr24, 0x204060);
  Bitmap dst = Filled(20, 10, PixelFormat::Bgra32, 0);
  platform.StretchHalftone(dst, Rect{2, 1, 18, 9}, src, Rect{0, 0, 4, 4});
  EXPECT_EQ(dst.Pixel(2, 1), 0xFF204060u);
  EXPECT_EQ(dst.Pixel(17, 8), 0xFF204060u);
  EXPECT_EQ(dst.Pixel(1, 1), 0xFF000000u) << "outside the target: untouched";

  Bitmap tri = Filled(8, 8, PixelFormat::Bgr24, 0);
  const GradientVertex v[4] = {{0, 0, 0xFF00, 0, 0, 0}, {8, 0, 0xFF00, 0, 0, 0}, {8, 8, 0xFF00, 0, 0, 0},
                               {0, 8, 0xFF00, 0, 0, 0}};
  const GradientTriangle t[2] = {{0, 1, 2}, {0, 2, 3}};
  ASSERT_TRUE(platform.FillTriangles(tri, v, 4, t, 2));
  EXPECT_EQ(tri.Pixel(4, 4), 0x0000FFu);
}

TEST(PaintPlatformWin32, SectionsReachTheDeviceContextAndFillsResolveColours) {
  SetPaintPlatform(&Win32PaintPlatform());
  Screen screen;
  TsSkinManager manager;
  TsGeneralData g;
  g.ClassName = "S";
  g.Color = 0x123456;
  manager.gd.push_back(g);
  manager.SkinData.Active = true;
  TCacheInfo ci;
  PaintSectionToDC(0, "S", ci, &manager, DeviceContext{screen.dc}, Point{}, Rect{2, 3, 6, 7}, 0, true);
  EXPECT_EQ(screen.Rgb(2, 3), 0x563412u);
  EXPECT_EQ(screen.Rgb(5, 6), 0x563412u);
  EXPECT_EQ(screen.Rgb(6, 6), 0u);
  Win32PaintPlatform().FillDC(DeviceContext{screen.dc}, Rect{8, 8, 10, 10}, TColor(0xFF000005));
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(screen.Rgb(9, 9), uint32_t(GetRValue(window)) << 16 | uint32_t(GetGValue(window)) << 8 | GetBValue(window));
  SetPaintPlatform(nullptr);
}

TEST(PaintPlatformWin32, TextIsDrawnInItsColourWithoutBackground) {
  Screen screen;
  Win32PaintPlatform().OutputText(DeviceContext{screen.dc}, u"W", Rect{0, 0, 16, 16}, DT_SINGLELINE, 0x0000FF);
  bool red = false, other = false;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint32_t c = screen.Rgb(x, y);
      red |= c == 0xFF0000;
      other |= c != 0 && (c & 0x00FFFF) != 0;
    }
  EXPECT_TRUE(red);
  EXPECT_FALSE(other) << "no other colour, no background";
}

}  // namespace
}  // namespace wakespan
