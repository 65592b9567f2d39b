#include "skin/win32/menus/TacMnuWnd.h"

#include <algorithm>
#include <vector>

#include "platform/gui/Application.h"
#include "skin/engine/EngineCommands.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/win32/manager/EngineStartup.h"
#include "skin/win32/menus/MenuEngine.h"

namespace wakespan {

namespace {

const wchar_t kWrapperProperty[] = L"WakespanMenuWrapper";
// The system's frame around a popup menu's items.
constexpr int kFrame = 3;
constexpr uint16_t kRegionQuery = 8;
constexpr uint16_t kRegionChanged = 14;

// Every wrapper alive, so that one going can redraw the others.
std::vector<TacMnuWnd*>& Wrappers() {
  static std::vector<TacMnuWnd*> wrappers;
  return wrappers;
}

Size WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Size{r.right - r.left, r.bottom - r.top};
}

}  // namespace

TacMnuWnd::TacMnuWnd(HWND window, TsSkinManager& manager, std::string section)
    : window_(window), manager_(manager), section_(std::move(section)) {
  SetPropW(window_, kWrapperProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacMnuWnd::Proc)));
  Wrappers().push_back(this);
}

// The window is going: its procedure goes back, the prepared backgrounds go
// with it and the menus still open get their frames again.
TacMnuWnd::~TacMnuWnd() {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) == &TacMnuWnd::Proc)
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropW(window_, kWrapperProperty);
  auto& wrappers = Wrappers();
  wrappers.erase(std::remove(wrappers.begin(), wrappers.end(), this), wrappers.end());
  MenuEngine* engine = ActiveMenuEngine();
  if (engine) engine->Menus().ClearCache();
  for (TacMnuWnd* other : wrappers) RedrawWindow(other->window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  if (engine && wrappers.empty()) engine->Showing = false;
}

TacMnuWnd* TacMnuWnd::Of(HWND window) { return static_cast<TacMnuWnd*>(GetPropW(window, kWrapperProperty)); }

LRESULT CALLBACK TacMnuWnd::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TacMnuWnd* wrapper = Of(window);
  if (!wrapper) return DefWindowProcW(window, msg, wParam, lParam);
  // Nothing may unwind through the system's menu loop.
  try {
    return wrapper->Handle(msg, wParam, lParam);
  } catch (const std::exception& error) {
    gui::Application::ReportError(error);
    return CallWindowProcW(wrapper->previous_, window, msg, wParam, lParam);
  }
}

LRESULT TacMnuWnd::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const MenuEngine* engine = ActiveMenuEngine();
  const bool painting = engine && engine->Showing;
  switch (msg) {
    case EngineCommandMessage:
      return AnswerCommand(wParam, lParam);
    case WM_ERASEBKGND:
      if (itemsPaint_) return 1;
      if (!painting) break;
      PaintBackground(reinterpret_cast<HDC>(wParam));
      rgnChanged_ = 0;
      return 1;
    case WM_NCPAINT:
      if (itemsPaint_) return 1;
      if (!painting || !Engine().ntFamily) break;
      PaintFrame();
      return 0;
  }
  return CallWindowProcW(previous_, window_, msg, wParam, lParam);
}

LRESULT TacMnuWnd::AnswerCommand(WPARAM wParam, LPARAM lParam) {
  switch (engine::CommandOf(wParam)) {
    case engine::kHandledQuery: return LRESULT(engine::kHandledAnswer);
    case kRegionQuery: return rgnChanged_;
    case kRegionChanged:
      if (IsWindowVisible(window_)) rgnChanged_ = 1;
      return 0;
    case kCommandApplication: return reinterpret_cast<LRESULT>(&gui::Application::Instance());
  }
  return CallWindowProcW(previous_, window_, EngineCommandMessage, wParam, lParam);
}

const Bitmap& TacMnuWnd::OwnCache() {
  const Size size = WindowSize(window_);
  if (cache_.Width() != size.Width || cache_.Height() != size.Height) {
    cache_ = Bitmap(size.Width, size.Height, PixelFormat::Bgr24);
    PaintSection(manager_.GetSkinIndex(section_), section_, TCacheInfo{}, true, 0,
                 Rect{0, 0, size.Width, size.Height}, Point{}, &cache_, &manager_);
  }
  return cache_;
}

void TacMnuWnd::PaintBackground(HDC dc) {
  const Bitmap& cache = OwnCache();
  RECT outer{};
  GetWindowRect(window_, &outer);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  const Point from{origin.x - outer.left, origin.y - outer.top};
  BlitPart(dc, Point{}, cache, Rect{from.X, from.Y, cache.Width(), cache.Height()});
}

// The frame from the menu's prepared background when there is one for
// this window's size, else from the wrapper's own painting.
void TacMnuWnd::PaintFrame() {
  const Size size = WindowSize(window_);
  const Bitmap* source = &OwnCache();
  if (MenuEngine* engine = ActiveMenuEngine())
    if (const TacMenuInfo* menu = engine->Menus().FindMenuOfWindow(reinterpret_cast<uintptr_t>(window_));
        menu && menu->Bmp.Width() == size.Width && menu->Bmp.Height() == size.Height)
      source = &menu->Bmp;
  const gui::WindowDC dc(window_);
  const Rect strips[] = {{0, 0, size.Width, kFrame},
                         {0, size.Height - kFrame, size.Width, size.Height},
                         {0, kFrame, kFrame, size.Height - kFrame},
                         {size.Width - kFrame, kFrame, size.Width, size.Height - kFrame}};
  for (const Rect& strip : strips) BlitPart(dc.get(), Point{strip.Left, strip.Top}, *source, strip);
}

}  // namespace wakespan
