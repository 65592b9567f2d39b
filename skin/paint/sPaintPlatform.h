// The few drawing calls painting needs from the platform: the halftone
// stretch, the triangle gradient, text output and the device-context pieces
// of PaintSectionToDC and of the background query's painting fallback.
// Windows installs its GDI implementation; everywhere else (and until then)
// the host implementation works on plain bitmaps.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/sSkinData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// A platform device context, not owned: an HDC on Windows, a Bitmap* for the
// host implementation.
struct DeviceContext {
  void* Handle = nullptr;
  explicit operator bool() const { return Handle != nullptr; }
};

// A platform font, not owned: an HFONT on Windows; none is the platform's
// default GUI font. The host implementation measures every character as a
// fixed cell whatever the font.
struct FontRef {
  void* Handle = nullptr;
};

// A vertex of the triangle gradient: channels as 16-bit values (8-bit value
// times 256), as the platform's triangle fill takes them.
struct GradientVertex {
  int32_t X = 0, Y = 0;
  uint16_t Red = 0, Green = 0, Blue = 0, Alpha = 0;
};
struct GradientTriangle {
  uint32_t A = 0, B = 0, C = 0;  // vertex numbers
};

class TacPaintPlatform {
 public:
  virtual ~TacPaintPlatform() = default;

  // Resamples Sr of Src onto Dr of B with area averaging; both rectangles
  // are clipped to their bitmaps first.
  virtual void StretchHalftone(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr) = 0;
  // Gouraud-shaded triangles into B (32-bit pixels get alpha 255). False
  // when the platform has no triangle fill, and then nothing is painted.
  virtual bool FillTriangles(Bitmap& B, const GradientVertex* vertices, int vertexCount,
                             const GradientTriangle* triangles, int triangleCount) = 0;
  // Draws only the glyphs of `text` into R of dc in `color` (a system colour
  // is resolved), with DrawTextW's format flags.
  virtual void OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format,
                        TColor color) = 0;

  // Copies all of `image` to R's top-left in dc.
  virtual void CopyToDC(DeviceContext dc, Rect R, const Bitmap& image) = 0;
  virtual void FillDC(DeviceContext dc, Rect R, TColor color) = 0;
  virtual int SaveDCState(DeviceContext dc) = 0;
  virtual void RestoreDCState(DeviceContext dc, int saved) = 0;
  virtual void MoveViewportOrigin(DeviceContext dc, int dx, int dy) = 0;
  virtual void IntersectClip(DeviceContext dc, Rect R) = 0;

  // The size DrawTextW with DT_CALCRECT gives `text` in `font` with
  // `format`; a word-breaking format breaks at widthLimit (0: no limit).
  virtual Size MeasureText(FontRef font, std::u16string_view text, uint32_t format, int widthLimit) = 0;
  // A device context with `font` selected that draws into `area` of B, in
  // B's coordinates; what is drawn reaches B when the canvas is closed.
  virtual DeviceContext OpenBitmapCanvas(Bitmap& B, Rect area, FontRef font) = 0;
  virtual void CloseBitmapCanvas(DeviceContext dc) = 0;
  // The dotted focus rectangle (drawn by inverting, as DrawFocusRect does).
  virtual void DrawFocusRect(DeviceContext dc, Rect R) = 0;
  // Selects `font` (underlined when asked) into dc until the dc's state is
  // restored; a platform without fonts ignores it.
  virtual void SelectFont(DeviceContext, FontRef, bool /*underline*/) {}
};

// The implementation in use; the host one unless another was installed.
TacPaintPlatform& PaintPlatform();
// Installs `platform` (not owned); null goes back to the host implementation.
void SetPaintPlatform(TacPaintPlatform* platform);

// A device context drawing into part of a bitmap, closed with the guard.
class BitmapCanvas {
 public:
  BitmapCanvas(Bitmap& B, Rect area, FontRef font) : dc_(PaintPlatform().OpenBitmapCanvas(B, area, font)) {}
  ~BitmapCanvas() { PaintPlatform().CloseBitmapCanvas(dc_); }
  BitmapCanvas(const BitmapCanvas&) = delete;
  BitmapCanvas& operator=(const BitmapCanvas&) = delete;

  DeviceContext Dc() const { return dc_; }

 private:
  DeviceContext dc_;
};

// Saves a device context's state for the lifetime of the guard.
class DCStateGuard {
 public:
  explicit DCStateGuard(DeviceContext dc) : dc_(dc), saved_(PaintPlatform().SaveDCState(dc)) {}
  ~DCStateGuard() { PaintPlatform().RestoreDCState(dc_, saved_); }
  DCStateGuard(const DCStateGuard&) = delete;
  DCStateGuard& operator=(const DCStateGuard&) = delete;

 private:
  DeviceContext dc_;
  int saved_;
};

}  // namespace wakespan
