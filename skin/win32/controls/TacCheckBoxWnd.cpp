#include "skin/win32/controls/TacCheckBoxWnd.h"

#include "skin/controls/sCheckBoxPaint.h"
#include "skin/controls/sGroupBoxPaint.h"
#include "skin/controls/sWrapperTable.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sPaintPlatform.h"

namespace wakespan {
namespace {

// Tells the parent a child is about to paint over it.
constexpr uint16_t kCommandChildPainting = 5;

void CopyCache(HDC dc, const TsCommonData& data) {
  if (const Bitmap* cache = data.FCacheBmp.get())
    PaintPlatform().CopyToDC(DeviceContext{dc}, Rect{0, 0, cache->Width(), cache->Height()}, *cache);
}

}  // namespace

TacCheckBoxWnd::TacCheckBoxWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager,
                               const std::string& section)
    : TacMainWnd(window, skinData, manager, section, DefaultSection(TacWrapperKind::CheckBox)) {}

void TacCheckBoxWnd::acWndProc(gui::Message& m) {
  if (!Skinned()) return TacMainWnd::acWndProc(m);
  const HWND window = CtrlHandle();
  switch (m.msg) {
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
      // The control would draw itself at once: it stays hidden meanwhile.
      if (!IsWindowVisible(window)) break;
      Quietly([&] {
        TacMainWnd::acWndProc(m);
        SkinData().BGChanged = true;
      });
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      AC_WMPaint(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.result = 1;
      return;
    default:
      break;
  }
  TacMainWnd::acWndProc(m);
  switch (m.msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SkinData().FFocused = m.msg == WM_SETFOCUS;
      SkinData().BGChanged = true;
      RepaintNow();
      break;
    case WM_NCHITTEST:
      if (IsWindowEnabled(window)) MakeActiveControl(true);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.wParam == VK_SPACE) RepaintNow();
      break;
    default:
      break;
  }
}

void TacCheckBoxWnd::OnMouseEnter(gui::Message& m) {
  SkinData().FUpdating = false;
  TacMainWnd::OnMouseEnter(m);
}

void TacCheckBoxWnd::OnMouseLeave(gui::Message& m) {
  SkinData().FUpdating = false;
  TacMainWnd::OnMouseLeave(m);
}

void TacCheckBoxWnd::AC_WMPaint(HDC dc) {
  const HWND window = CtrlHandle();
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(window, &ps);
  if (!SkinData().FUpdating && dc) {
    UpdateGeometry();
    // A see-through parent repaints what lies under this control first.
    SendMessageW(parentWnd_, EngineCommandMessage, EngineCommand(kCommandChildPainting), 0);
    const TacControlView view = ControlView();
    TacCheckBoxPainter(view).PrepareCache(SkinData(), ParentBackground());
    CopyCache(dc, SkinData());
  }
  if (own) EndPaint(window, &ps);
}

TacGroupBoxWnd::TacGroupBoxWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager,
                               const std::string& section)
    : TacMainWnd(window, skinData, manager, section, DefaultSection(TacWrapperKind::GroupBox)) {}

void TacGroupBoxWnd::OnCaptionHeightQuery(gui::Message& m) {
  const TacControlView view = ControlView();
  m.result = TacGroupBoxPainter(view).CaptionHeight();
}

void TacGroupBoxWnd::PaintInto(HDC dc) {
  if (SkinData().BGChanged || !SkinData().FCacheBmp) {
    const TacControlView view = ControlView();
    TacGroupBoxPainter(view).PrepareCache(SkinData(), ParentBackground());
  }
  CopyCache(dc, SkinData());
  if (auto* control = gui::WinControl::FromHandle(CtrlHandle())) control->PaintWindowlessChildren(dc);
}

void TacGroupBoxWnd::acWndProc(gui::Message& m) {
  if (!Skinned()) return TacMainWnd::acWndProc(m);
  const HWND window = CtrlHandle();
  switch (m.msg) {
    case WM_SETTEXT:
      TacMainWnd::acWndProc(m);
      SkinData().BGChanged = true;
      ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
      return;
    case WM_PAINT:
      if (dlgMode_) break;
      if (m.wParam != 0) {
        PaintInto(reinterpret_cast<HDC>(m.wParam));
      } else {
        PAINTSTRUCT ps{};
        const HDC dc = BeginPaint(window, &ps);
        // Painted afresh each time: the parent behind may have changed.
        SkinData().BGChanged = true;
        PaintInto(dc);
        EndPaint(window, &ps);
      }
      m.result = 0;
      return;
    case WM_ERASEBKGND:
      if (m.wParam == WPARAM(m.lParam)) {
        PaintInto(reinterpret_cast<HDC>(m.wParam));
      }
      m.result = 1;
      return;
    case WM_NCPAINT:
      if (!dlgMode_) break;
      {
        const HDC dc = GetWindowDC(window);
        PaintInto(dc);
        ReleaseDC(window, dc);
      }
      m.result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(m.wParam));
      return;
    default:
      break;
  }
  TacMainWnd::acWndProc(m);
}

}  // namespace wakespan
