// The provider's painting: the scene the portable renderer draws, and the
// copies from the cache to the window's frame and client area.
#include <windows.h>

#include "platform/gui/Form.h"
#include "platform/gui/Handles.h"
#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sTitleText.h"
#include "skin/win32/frame/sSkinProvider.h"
#include "skin/win32/manager/DibBlit.h"

namespace wakespan {

namespace {

TsBorderStyle BorderStyleOf(LONG_PTR style, LONG_PTR exStyle) {
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0, sizeable = (style & WS_THICKFRAME) != 0;
  if (exStyle & WS_EX_DLGMODALFRAME) return TsBorderStyle::Dialog;
  if ((style & WS_CAPTION) != WS_CAPTION) return sizeable ? TsBorderStyle::Sizeable : TsBorderStyle::None;
  if (tool) return sizeable ? TsBorderStyle::SizeToolWin : TsBorderStyle::ToolWindow;
  return sizeable ? TsBorderStyle::Sizeable : TsBorderStyle::Single;
}

TsSystemMetrics SystemMetrics() {
  TsSystemMetrics metrics;
  metrics.FrameWidth = GetSystemMetrics(SM_CXFRAME);
  metrics.DialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
  metrics.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  metrics.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
  metrics.MenuHeight = GetSystemMetrics(SM_CYMENU);
  return metrics;
}

TsFrameWindow DescribeWindow(HWND window, const gui::SizeConstraints& constraints) {
  TsFrameWindow w;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  w.Style = uint32_t(style);
  w.Border = BorderStyleOf(style, GetWindowLongPtrW(window, GWL_EXSTYLE));
  RECT r{}, client{};
  GetWindowRect(window, &r);
  GetClientRect(window, &client);
  w.Position = Point{r.left, r.top};
  w.Window = Size{r.right - r.left, r.bottom - r.top};
  w.Client = Size{client.right, client.bottom};
  w.Maximized = IsZoomed(window) != FALSE;
  w.Minimized = IsIconic(window) != FALSE;
  w.MaxSizeConstrained = constraints.maxWidth > 0 || constraints.maxHeight > 0;
  HMENU menu = GetMenu(window);
  w.MainMenuShown = menu && GetMenuItemCount(menu) > 0 && w.Border != TsBorderStyle::Dialog;
  RECT item{};
  if (w.MainMenuShown && GetMenuItemRect(window, menu, 0, &item)) {
    w.HasFirstMenuItemRect = true;
    w.FirstMenuItemBottom = item.bottom;
  }
  w.Metrics = SystemMetrics();
  return w;
}

HFONT CreateCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

HICON FormIcon(HWND window) {
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM))) return icon;
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON))) return icon;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

TsFrameScene TsSkinProvider::Scene() const {
  TsFrameScene scene;
  HWND window = Window();
  if (!window) return scene;
  scene.Window = DescribeWindow(window, form_.Constraints());
  scene.Rules = RulesFromStyle(scene.Window.Style, haveSysMenu_,
                               (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0);
  scene.FormActive = formActive_;
  scene.Enabled = IsWindowEnabled(window) != FALSE;
  scene.ShowIcon = IconShown(scene.Window.Border, true, haveSysMenu_);
  scene.FormOwnColor = TColor(form_.Color());
  const std::wstring caption = form_.Caption();
  scene.Caption.assign(caption.begin(), caption.end());
  scene.CaptionFont = FontRef{captionFont_.get()};
  scene.DrawIcon = [this](Bitmap& cache, Rect where) { DrawIcon(cache, where); };
  scene.PaintMenuBarItems = [this](Bitmap& cache, const Bitmap& line, Point origin) {
    if (const auto& paint = Factories().paintMenuBar) paint(form_, cache, line, origin);
  };
  return scene;
}

void TsSkinProvider::DrawIcon(Bitmap& cache, Rect where) const {
  HWND window = Window();
  if (!window) return;
  BitmapCanvas canvas(cache, where, FontRef{});
  DrawIconEx(static_cast<HDC>(canvas.Dc().Handle), where.Left, where.Top, FormIcon(window), where.Width(),
             where.Height(), 0, nullptr, DI_NORMAL);
}

void TsSkinProvider::Render() {
  if (!captionFont_) captionFont_.Reset(CreateCaptionFont());
  if (RenderFrame(cache_, Scene())) rgnChanged_ = true;
}

void TsSkinProvider::BlitFrame(HDC dc) {
  Render();
  const Bitmap& cache = *cache_.Data.FCacheBmp;
  for (const Rect& strip : FrameStrips(Scene().Window, Size{cache.Width(), cache.Height()}))
    BlitPart(dc, Point{strip.Left, strip.Top}, cache, strip);
}

void TsSkinProvider::PaintFrame() {
  if (rgnChanged_ && !rgnChanging_) ApplyFrameRegion();
  HWND window = Window();
  gui::WindowDC dc(window);
  if (!dc.get()) return;
  gui::SavedDC saved(dc.get());
  BlitFrame(dc.get());
}

void TsSkinProvider::RepaintFrameNow() {
  if (HWND window = Window(); window && IsShowing()) SendMessageW(window, WM_NCPAINT, 1, 0);
}

// The client area from the cache, then the form's windowless controls.
void TsSkinProvider::PaintClient(gui::Message& m) {
  HWND window = Window();
  const bool givenDC = m.wParam != 0;
  PAINTSTRUCT paint{};
  HDC dc = givenDC ? reinterpret_cast<HDC>(m.wParam) : BeginPaint(window, &paint);
  Render();
  const TsFrameWindow w = Scene().Window;
  const Rect client{OffsetX(w), OffsetY(w), OffsetX(w) + w.Client.Width, OffsetY(w) + w.Client.Height};
  BlitPart(dc, Point{}, *cache_.Data.FCacheBmp, client);
  if (m.msg == WM_PAINT)
    for (gui::Control* child : form_.Controls())
      if (!child->IsWindowed()) child->Paint(dc);
  if (!givenDC) EndPaint(window, &paint);
  m.result = 0;
}

void TsSkinProvider::PrintWindowInto(HDC dc) {
  if (!dc) return;
  {
    gui::SavedDC saved(dc);
    BlitFrame(dc);
  }
  const TsFrameWindow w = Scene().Window;
  gui::SavedDC saved(dc);
  OffsetViewportOrgEx(dc, OffsetX(w), OffsetY(w), nullptr);
  IntersectClipRect(dc, 0, 0, w.Client.Width, w.Client.Height);
  gui::Message paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  PaintClient(paint);
}

}  // namespace wakespan
