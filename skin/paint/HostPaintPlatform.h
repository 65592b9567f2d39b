// The platform drawing calls on plain bitmaps: an area-averaging stretch, a
// triangle fill and device contexts that are bitmaps (DeviceContext::Handle
// is a Bitmap*). Text is not rasterised: each call is recorded, so tests can
// see what would have been drawn where and in which colour; measuring gives
// every character a kCharWidth x kCharHeight cell, lines break at '\n' and,
// with word breaking, before a word that would pass the width limit.
#pragma once

#include <string>
#include <vector>

#include "skin/paint/sPaintPlatform.h"

namespace wakespan {

class HostPaintPlatform : public TacPaintPlatform {
 public:
  struct TextCall {
    std::u16string Text;
    Rect R;
    uint32_t Format = 0;
    TColor Color = 0;
  };
  // One entry per device-context call other than text, such as "save 1",
  // "origin -3,-4", "clip 0,0,5,5", "restore 1", "fill 0,0,5,5 #FF0000".
  std::vector<std::string> DCLog;
  std::vector<TextCall> TextCalls;
  std::vector<Rect> FocusRects;

  static constexpr int kCharWidth = 7;
  static constexpr int kCharHeight = 13;

  void StretchHalftone(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr) override;
  bool FillTriangles(Bitmap& B, const GradientVertex* vertices, int vertexCount,
                     const GradientTriangle* triangles, int triangleCount) override;
  void OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format,
                TColor color) override;
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

 private:
  int saves_ = 0;
};

// The bitmap a host device context stands for.
inline DeviceContext HostDC(Bitmap& bitmap) { return DeviceContext{&bitmap}; }

}  // namespace wakespan
