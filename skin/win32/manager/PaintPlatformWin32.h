// The painting layer's platform calls through GDI: the halftone stretch
// (StretchDIBits in HALFTONE mode), the triangle gradient (GradientFill of
// msimg32, looked up at run time), DrawTextW and the device-context state;
// bitmap canvases are DIB sections holding a copy of the part drawn into.
#pragma once

#include "skin/paint/sPaintPlatform.h"

namespace wakespan {

class PaintPlatformWin32 : public TacPaintPlatform {
 public:
  void StretchHalftone(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr) override;
  bool FillTriangles(Bitmap& B, const GradientVertex* vertices, int vertexCount,
                     const GradientTriangle* triangles, int triangleCount) override;
  void OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format, TColor color) override;
  void CopyToDC(DeviceContext dc, Rect R, const Bitmap& image) override;
  void FillDC(DeviceContext dc, Rect R, TColor color) override;
  int SaveDCState(DeviceContext dc) override;
  void RestoreDCState(DeviceContext dc, int saved) override;
  void MoveViewportOrigin(DeviceContext dc, int dx, int dy) override;
  void IntersectClip(DeviceContext dc, Rect R) override;
  Size MeasureText(FontRef font, std::u16string_view text, uint32_t format, int widthLimit) override;
  DeviceContext OpenBitmapCanvas(Bitmap& B, Rect area, FontRef font) override;
  void CloseBitmapCanvas(DeviceContext dc) override;
  void DrawFocusRect(DeviceContext dc, Rect R) override;
  void SelectFont(DeviceContext dc, FontRef font, bool underline) override;
};

// The one instance, for SetPaintPlatform at start-up.
PaintPlatformWin32& Win32PaintPlatform();

}  // namespace wakespan
