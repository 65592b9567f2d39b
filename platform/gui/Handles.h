#pragma once
// Small RAII owners for the GDI handles the framework creates, so every
// object is released on every path.
#include <windows.h>

#include <atomic>
#include <type_traits>
#include <utility>

namespace gui {

// The GDI objects (fonts, brushes, bitmaps, regions, memory DCs) the program
// holds through these owners. Wine counts no GDI objects per process, so a
// long run reads this count to see that painting leaves nothing behind.
inline std::atomic<long>& LiveGdiObjects() {
  static std::atomic<long> live{0};
  return live;
}

// A registered message every form answers with LiveGdiObjects().
inline UINT LiveGdiObjectsMessage() {
  static const UINT message = RegisterWindowMessageW(L"Wakespan.LiveGdiObjects");
  return message;
}

template <typename H, BOOL(WINAPI* Release)(H)>
class Owned {
  static constexpr bool kGdi = std::is_same_v<H, HGDIOBJ> || std::is_same_v<H, HDC>;
  static void Count(H handle, long delta) {
    if constexpr (kGdi) {
      if (handle) LiveGdiObjects() += delta;
    }
  }

 public:
  Owned() = default;
  explicit Owned(H handle) : handle_(handle) { Count(handle_, 1); }
  ~Owned() { Reset(); }
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) Release(handle_);
    Count(handle_, -1);
    handle_ = handle;
    Count(handle_, 1);
  }
  // Hands the object to whoever frees it now (a window takes its region).
  H Detach() {
    Count(handle_, -1);
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }
using OwnedFont = Owned<HGDIOBJ, DeleteGdiObject>;
using OwnedBrush = Owned<HGDIOBJ, DeleteGdiObject>;
using OwnedBitmap = Owned<HGDIOBJ, DeleteGdiObject>;
using OwnedRegion = Owned<HGDIOBJ, DeleteGdiObject>;
using OwnedMemoryDC = Owned<HDC, DeleteDC>;

// Selects an object into a DC for the lifetime of the scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// The whole window's device context (the screen's for no window) for the
// lifetime of the guard.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SaveDC / RestoreDC.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// The header of a top-down DIB: row 0 is the top row.
inline BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel = 32) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace gui
