#include "skin/win32/manager/PaintPlatformWin32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gui/Handles.h"
#include "skin/data/sSysColors.h"

namespace wakespan {
namespace {

static_assert(sizeof(char16_t) == sizeof(wchar_t), "DrawTextW takes the program's UTF-16 text as it is");

HDC ToHdc(DeviceContext dc) { return static_cast<HDC>(dc.Handle); }

// A 32-bit top-down DIB section selected into its own memory DC.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    const BITMAPINFO info = gui::TopDownDibInfo(width, height, 32);
    bitmap_.Reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    if (dc_ && bitmap_) old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~DibCanvas() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  bool Ok() const { return old_ != nullptr && bits_ != nullptr; }
  HDC Dc() const { return dc_.get(); }
  uint8_t* Row(int y) const { return bits_ + static_cast<ptrdiff_t>(y) * width_ * 4; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  gui::OwnedMemoryDC dc_;
  gui::OwnedBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
  uint8_t* bits_ = nullptr;
};

// Copies `count` pixels between a 32-bit DIB row and a bitmap row.
void ToBitmapRow(uint8_t* d, int bytes, const uint8_t* s, int count, bool opaque) {
  for (int i = 0; i < count; ++i, d += bytes, s += 4) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2];
    if (bytes == 4) d[3] = opaque ? 255 : s[3];
  }
}
void FromBitmapRow(uint8_t* d, const uint8_t* s, int bytes, int count) {
  for (int i = 0; i < count; ++i, d += 4, s += bytes) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2];
    d[3] = bytes == 4 ? s[3] : 255;
  }
}

using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

GradientFillProc GradientFillFunction() {
  static const GradientFillProc proc = [] {
    HMODULE module = LoadLibraryW(L"msimg32.dll");
    return module ? reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(GetProcAddress(module, "GradientFill")))
                  : nullptr;
  }();
  return proc;
}

RECT ToRect(const Rect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

void PaintPlatformWin32::StretchHalftone(Bitmap& B, Rect Dr, const Bitmap& Src, Rect Sr) {
  Sr.Left = std::max(Sr.Left, 0), Sr.Top = std::max(Sr.Top, 0);
  Sr.Right = std::min(Sr.Right, Src.Width()), Sr.Bottom = std::min(Sr.Bottom, Src.Height());
  if (Sr.IsEmpty() || Dr.IsEmpty() || B.IsEmpty() || !Bitmap::IsAcceptableSize(Dr.Width(), Dr.Height())) return;
  const Rect visible{std::max(Dr.Left, 0), std::max(Dr.Top, 0), std::min(Dr.Right, B.Width()),
                     std::min(Dr.Bottom, B.Height())};
  if (visible.IsEmpty()) return;
  DibCanvas canvas(Dr.Width(), Dr.Height());
  if (!canvas.Ok()) return;
  SetStretchBltMode(canvas.Dc(), HALFTONE);
  SetBrushOrgEx(canvas.Dc(), 0, 0, nullptr);
  // The DIB handed over starts at the source's first row: systems disagree on
  // where a source row offset counts from, but not on a DIB read from row 0.
  const BITMAPINFO info = gui::TopDownDibInfo(Src.Width(), Sr.Height(), Src.BytesPerPixel() * 8);
  StretchDIBits(canvas.Dc(), 0, 0, Dr.Width(), Dr.Height(), Sr.Left, 0, Sr.Width(), Sr.Height(), Src.Row(Sr.Top),
                &info, DIB_RGB_COLORS, SRCCOPY);
  GdiFlush();
  const int bytes = B.BytesPerPixel();
  for (int y = visible.Top; y < visible.Bottom; ++y)
    ToBitmapRow(B.Row(y) + visible.Left * bytes, bytes, canvas.Row(y - Dr.Top) + (visible.Left - Dr.Left) * 4,
                visible.Width(), true);
}

bool PaintPlatformWin32::FillTriangles(Bitmap& B, const GradientVertex* vertices, int vertexCount,
                                       const GradientTriangle* triangles, int triangleCount) {
  const GradientFillProc gradientFill = GradientFillFunction();
  if (gradientFill == nullptr) return false;
  if (B.IsEmpty() || vertexCount <= 0 || triangleCount <= 0) return true;
  DibCanvas canvas(B.Width(), B.Height());
  if (!canvas.Ok()) return true;
  const int bytes = B.BytesPerPixel();
  for (int y = 0; y < B.Height(); ++y) FromBitmapRow(canvas.Row(y), B.Row(y), bytes, B.Width());
  std::vector<TRIVERTEX> v(static_cast<size_t>(vertexCount));
  for (int i = 0; i < vertexCount; ++i)
    v[size_t(i)] = TRIVERTEX{vertices[i].X, vertices[i].Y, vertices[i].Red, vertices[i].Green, vertices[i].Blue,
                             vertices[i].Alpha};
  std::vector<GRADIENT_TRIANGLE> t(static_cast<size_t>(triangleCount));
  for (int i = 0; i < triangleCount; ++i) t[size_t(i)] = GRADIENT_TRIANGLE{triangles[i].A, triangles[i].B, triangles[i].C};
  gradientFill(canvas.Dc(), v.data(), ULONG(v.size()), t.data(), ULONG(t.size()), GRADIENT_FILL_TRIANGLE);
  GdiFlush();
  // The triangles' box becomes opaque; the rest keeps its alpha.
  int x0 = B.Width(), y0 = B.Height(), x1 = 0, y1 = 0;
  for (int i = 0; i < vertexCount; ++i) {
    x0 = std::min(x0, vertices[i].X), y0 = std::min(y0, vertices[i].Y);
    x1 = std::max(x1, vertices[i].X), y1 = std::max(y1, vertices[i].Y);
  }
  for (int y = 0; y < B.Height(); ++y) {
    const bool rowInside = y >= y0 && y < y1;
    for (int x = 0; x < B.Width(); ++x) {
      const bool inside = rowInside && x >= x0 && x < x1;
      ToBitmapRow(B.Row(y) + x * bytes, bytes, canvas.Row(y) + x * 4, 1, inside);
    }
  }
  return true;
}

void PaintPlatformWin32::OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format, TColor color) {
  if (!dc || text.empty()) return;
  const HDC hdc = ToHdc(dc);
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(hdc, COLORREF(ColorToRGB(color)));
  RECT r = ToRect(R);
  ::DrawTextW(hdc, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), &r, format);
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
}

void PaintPlatformWin32::CopyToDC(DeviceContext dc, Rect R, const Bitmap& image) {
  if (!dc || image.IsEmpty()) return;
  const BITMAPINFO info = gui::TopDownDibInfo(image.Width(), image.Height(), image.BytesPerPixel() * 8);
  SetDIBitsToDevice(ToHdc(dc), R.Left, R.Top, DWORD(image.Width()), DWORD(image.Height()), 0, 0, 0,
                    UINT(image.Height()), image.Bits(), &info, DIB_RGB_COLORS);
}

void PaintPlatformWin32::FillDC(DeviceContext dc, Rect R, TColor color) {
  if (!dc) return;
  const gui::OwnedBrush brush(CreateSolidBrush(COLORREF(ColorToRGB(color))));
  const RECT r = ToRect(R);
  if (brush) FillRect(ToHdc(dc), &r, static_cast<HBRUSH>(brush.get()));
}

int PaintPlatformWin32::SaveDCState(DeviceContext dc) { return dc ? SaveDC(ToHdc(dc)) : 0; }

void PaintPlatformWin32::RestoreDCState(DeviceContext dc, int saved) {
  if (dc && saved != 0) RestoreDC(ToHdc(dc), saved);
}

void PaintPlatformWin32::MoveViewportOrigin(DeviceContext dc, int dx, int dy) {
  if (!dc) return;
  POINT origin{};
  GetViewportOrgEx(ToHdc(dc), &origin);
  SetViewportOrgEx(ToHdc(dc), origin.x + dx, origin.y + dy, nullptr);
}

void PaintPlatformWin32::IntersectClip(DeviceContext dc, Rect R) {
  if (dc) IntersectClipRect(ToHdc(dc), R.Left, R.Top, R.Right, R.Bottom);
}

namespace {

HFONT FontOf(FontRef font) {
  return font.Handle ? static_cast<HFONT>(font.Handle) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The underlined twin of a font, made once per font and kept for the
// program's life (text only underlines a web button's hot caption).
HFONT UnderlinedFont(HFONT font) {
  struct Twin {
    HFONT font;
    gui::OwnedFont underlined;
  };
  static std::vector<Twin> twins;
  for (const Twin& t : twins)
    if (t.font == font) return static_cast<HFONT>(t.underlined.get());
  LOGFONTW log{};
  if (!GetObjectW(font, sizeof(log), &log)) return font;
  log.lfUnderline = TRUE;
  gui::OwnedFont underlined(CreateFontIndirectW(&log));
  if (!underlined) return font;
  twins.push_back(Twin{font, std::move(underlined)});
  return static_cast<HFONT>(twins.back().underlined.get());
}

// A DIB copy of part of a bitmap, written back when it closes.
struct OpenCanvas {
  OpenCanvas(Bitmap& target, Rect visible) : Target(target), Visible(visible), Dib(visible.Width(), visible.Height()) {}
  Bitmap& Target;
  Rect Visible;
  DibCanvas Dib;
  HGDIOBJ OldFont = nullptr;
};

// Canvases are closed in the reverse order of opening; the list is short.
std::vector<std::unique_ptr<OpenCanvas>>& OpenCanvases() {
  static std::vector<std::unique_ptr<OpenCanvas>> canvases;
  return canvases;
}

}  // namespace

Size PaintPlatformWin32::MeasureText(FontRef font, std::u16string_view text, uint32_t format, int widthLimit) {
  if (text.empty()) return Size{0, 0};
  const gui::OwnedMemoryDC owned(CreateCompatibleDC(nullptr));
  const HDC dc = owned.get();
  if (!dc) return Size{0, 0};
  const gui::ScopedSelect selected(dc, FontOf(font));
  RECT r{0, 0, std::max(0, widthLimit), 0};
  ::DrawTextW(dc, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return Size{r.right - r.left, r.bottom - r.top};
}

void PaintPlatformWin32::SelectFont(DeviceContext dc, FontRef font, bool underline) {
  if (!dc) return;
  // The caller restores the context's state, which deselects the font again.
  const HFONT chosen = font.Handle ? FontOf(font) : static_cast<HFONT>(GetCurrentObject(ToHdc(dc), OBJ_FONT));
  SelectObject(ToHdc(dc), underline ? UnderlinedFont(chosen) : chosen);
}

DeviceContext PaintPlatformWin32::OpenBitmapCanvas(Bitmap& B, Rect area, FontRef font) {
  const Rect visible = Intersect(area, Rect{0, 0, B.Width(), B.Height()});
  if (visible.IsEmpty()) return DeviceContext{};
  auto canvas = std::make_unique<OpenCanvas>(B, visible);
  if (!canvas->Dib.Ok()) return DeviceContext{};
  const int bytes = B.BytesPerPixel();
  for (int y = visible.Top; y < visible.Bottom; ++y)
    FromBitmapRow(canvas->Dib.Row(y - visible.Top), B.Row(y) + visible.Left * bytes, bytes, visible.Width());
  const HDC dc = canvas->Dib.Dc();
  SetViewportOrgEx(dc, -visible.Left, -visible.Top, nullptr);
  canvas->OldFont = SelectObject(dc, FontOf(font));
  OpenCanvases().push_back(std::move(canvas));
  return DeviceContext{dc};
}

void PaintPlatformWin32::CloseBitmapCanvas(DeviceContext dc) {
  auto& canvases = OpenCanvases();
  const auto it = std::find_if(canvases.begin(), canvases.end(),
                               [&](const std::unique_ptr<OpenCanvas>& c) { return c->Dib.Dc() == ToHdc(dc); });
  if (it == canvases.end()) return;
  OpenCanvas& canvas = **it;
  GdiFlush();
  const Rect v = canvas.Visible;
  const int bytes = canvas.Target.BytesPerPixel();
  for (int y = v.Top; y < v.Bottom; ++y)
    ToBitmapRow(canvas.Target.Row(y) + v.Left * bytes, bytes, canvas.Dib.Row(y - v.Top), v.Width(), true);
  SelectObject(canvas.Dib.Dc(), canvas.OldFont);
  canvases.erase(it);
}

void PaintPlatformWin32::DrawFocusRect(DeviceContext dc, Rect R) {
  if (!dc) return;
  const RECT r = ToRect(R);
  ::DrawFocusRect(ToHdc(dc), &r);
}

PaintPlatformWin32& Win32PaintPlatform() {
  static PaintPlatformWin32 platform;
  return platform;
}

}  // namespace wakespan
