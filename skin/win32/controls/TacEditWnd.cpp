#include "skin/win32/controls/TacEditWnd.h"

#include "platform/gui/StdControls.h"
#include "skin/controls/sEditPaint.h"
#include "skin/controls/sWrapperTable.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sPaintPlatform.h"

namespace wakespan {
namespace {

gui::Edit* FrameworkEdit(HWND window) { return dynamic_cast<gui::Edit*>(gui::WinControl::FromHandle(window)); }

// The width of the frame the edit's extended style gives it.
int EdgeWidth(HWND window) {
  RECT windowRect{}, client{};
  GetWindowRect(window, &windowRect);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return int(origin.x - windowRect.left);
}

}  // namespace

TacEditWnd::TacEditWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section)
    : TacBaseWnd(window, skinData, manager, section, DefaultSection(TacWrapperKind::Edit)) {}

void TacEditWnd::SaveStdParams() {
  if (gui::Edit* edit = FrameworkEdit(CtrlHandle())) {
    stdColor_ = edit->Color();
    stdFontColor_ = edit->FontColor();
  }
}

void TacEditWnd::RestoreStdParams() {
  paramsSet_ = false;
  if (gui::Edit* edit = FrameworkEdit(CtrlHandle())) edit->SetColors(stdColor_, stdFontColor_);
  RefreshFrame();
}

void TacEditWnd::SetSkinParams() {
  paramsSet_ = true;
  const bool updating = SkinData().FUpdating;
  SkinData().FUpdating = true;
  const TacEditColors colors = EditSkinColors(SkinData());
  Color = colors.Color;
  FocusColor = colors.FocusColor;
  gui::Edit* edit = FrameworkEdit(CtrlHandle());
  if (edit) {
    const COLORREF color = SkinData().FCustomColor ? edit->Color() : COLORREF(ColorToRGB(colors.Color));
    const COLORREF font = SkinData().FCustomFont ? edit->FontColor() : COLORREF(ColorToRGB(colors.FontColor));
    edit->SetColors(color, font);
  }
  SkinData().FUpdating = updating;
}

void TacEditWnd::RefreshFrame() {
  // Skinned, only the frame is painted again, so the text never flickers.
  if (Skinned() && IsWindowVisible(CtrlHandle())) return PaintFrame();
  ::RedrawWindow(CtrlHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TacEditWnd::PaintFrame() {
  const HWND window = CtrlHandle();
  const HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT clip{};
  if (GetClipBox(dc, &clip) != NULLREGION && !SkinData().FUpdating) {
    if (!paramsSet_) SetSkinParams();
    if (SkinData().BGChanged || !SkinData().FCacheBmp) {
      UpdateGeometry();
      PrepareEditFrame(SkinData(), ControlView(), ParentBackground());
    }
    if (const Bitmap* cache = SkinData().FCacheBmp.get()) {
      // Only the frame: the client area is the edit's own.
      const int edge = EdgeWidth(window);
      ExcludeClipRect(dc, edge, edge, cache->Width() - edge, cache->Height() - edge);
      PaintPlatform().CopyToDC(DeviceContext{dc}, Rect{0, 0, cache->Width(), cache->Height()}, *cache);
    }
  }
  ReleaseDC(window, dc);
}

void TacEditWnd::acWndProc(gui::Message& m) {
  if (!Skinned()) return TacMainWnd::acWndProc(m);
  const HWND window = CtrlHandle();
  if (m.msg == WM_NCPAINT) {
    if (!IsWindowVisible(window)) return TacMainWnd::acWndProc(m);
    PaintFrame();
    m.result = 0;
    return;
  }
  TacMainWnd::acWndProc(m);
  switch (m.msg) {
    case WM_SIZE:
      if (IsWindowVisible(window)) RefreshFrame();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) {
        SkinData().FFocused = m.msg == WM_SETFOCUS;
        SkinData().BGChanged = true;
        RefreshFrame();
      }
      break;
    case WM_SETFONT:
      SkinData().BGChanged = true;
      RefreshFrame();
      break;
    default:
      break;
  }
}

void TacEditWnd::OnRepaintSkin(gui::Message& m) {
  TacMainWnd::OnRepaintSkin(m);
  SetSkinParams();
  RefreshFrame();
}

void TacEditWnd::OnSectionQuery(gui::Message& m) {
  if (auto* index = reinterpret_cast<int*>(m.lParam)) *index = SkinData().SkinIndex;
}

void TacEditWnd::OnRebuildBorder(gui::Message&) {
  UpdateGeometry();
  if (SkinData().BGChanged) {
    TacControlView view = ControlView();
    view.Focused = view.MouseAbove = false;
    PrepareEditFrame(SkinData(), view, ParentBackground());
  }
}

void TacEditWnd::OnMouseEnter(gui::Message&) {
  if (SkinData().FMouseAbove) return;
  SkinData().FMouseAbove = true;
  SkinData().BGChanged = true;
  RefreshFrame();
}

void TacEditWnd::OnMouseLeave(gui::Message&) {
  if (!SkinData().FMouseAbove) return;
  SkinData().FMouseAbove = false;
  SkinData().BGChanged = true;
  RefreshFrame();
}

}  // namespace wakespan
