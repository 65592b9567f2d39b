#include "skin/win32/controls/TacBtnWnd.h"

#include <commctrl.h>

#include "platform/gui/StdControls.h"
#include "skin/data/sSkinManager.h"
#include "skin/controls/sWrapperTable.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/win32/controls/GdiBitmaps.h"

namespace wakespan {
namespace {

struct ViewHolder {
  TacControlView view;
};

// A painter keeps a reference to its view: here the two live together.
template <typename Painter, typename... Args>
class ViewedPainter : private ViewHolder, public Painter {
 public:
  ViewedPainter(const TacControlView& v, const Args&... args) : ViewHolder{v}, Painter(ViewHolder::view, args...) {}
};

}  // namespace

TacBtnWnd::TacBtnWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section)
    : TacMainWnd(window, skinData, manager, section, DefaultSection(TacWrapperKind::Button)) {}

std::unique_ptr<TacButtonPainter> TacBtnWnd::Painter(const TacControlView& view) {
  return std::make_unique<ViewedPainter<TacButtonPainter>>(view);
}

bool TacBtnWnd::CursorInside() const {
  POINT p{};
  RECT r{};
  return GetCursorPos(&p) && GetWindowRect(CtrlHandle(), &r) && PtInRect(&r, p);
}

void TacBtnWnd::acWndProc(gui::Message& m) {
  if (!Skinned()) return TacMainWnd::acWndProc(m);
  const HWND window = CtrlHandle();
  const bool visible = IsWindowVisible(window) != FALSE;
  switch (m.msg) {
    case WM_MOVE: {
      const TsGeneralData& g = SkinManager()->gd[size_t(SkinData().SkinIndex)];
      const bool hot = Painter(ControlView())->CurrentState() != 0;
      TacMainWnd::acWndProc(m);
      if (g.Transparency > 0 || (hot && g.HotTransparency > 0)) {
        SkinData().BGChanged = true;
        RepaintNow();
      }
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(window) || !visible) break;
      Quietly([&] {
        TacMainWnd::acWndProc(m);
        SkinData().FFocused = m.msg == WM_SETFOCUS;
        SkinData().BGChanged = true;
      });
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE:
      // The button would draw itself at once: it stays hidden meanwhile.
      if (!visible) break;
      Quietly([&] {
        TacMainWnd::acWndProc(m);
        SkinData().BGChanged = true;
      });
      return;
    case WM_PAINT:
      if (!paramsSet_) {
        paramsSet_ = true;
        SetSkinParams();
      }
      AC_WMPaint(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      AC_WMPaint(reinterpret_cast<HDC>(m.wParam));
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      m.result = 1;
      return;
    case WM_MOUSEMOVE:
      TacMainWnd::acWndProc(m);
      if (IsWindowEnabled(window)) {
        if (CursorInside()) {
          MakeActiveControl(true);
        } else if (IsActiveControl()) {
          MakeActiveControl(false);
        }
      }
      return;
    default:
      break;
  }
  TacMainWnd::acWndProc(m);
}

void TacBtnWnd::OnMouseEnter(gui::Message& m) {
  if (SkinData().FMouseAbove || !IsActiveControl() || !CursorInside()) return;
  TacMainWnd::OnMouseEnter(m);
}

void TacBtnWnd::AC_WMPaint(HDC dc) {
  UpdateGeometry();
  const HWND window = CtrlHandle();
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(window, &ps);
  if (!SkinData().FUpdating && dc) {
    SkinData().BGChanged = true;
    const TacControlView view = ControlView();
    Painter(view)->PrepareCache(SkinData(), ParentBackground());
    if (const Bitmap* cache = SkinData().FCacheBmp.get())
      PaintPlatform().CopyToDC(DeviceContext{dc}, Rect{0, 0, cache->Width(), cache->Height()}, *cache);
  }
  if (own) EndPaint(window, &ps);
}

std::unique_ptr<TacButtonPainter> TacButtonWnd::Painter(const TacControlView& view) {
  BUTTON_IMAGELIST list{};
  const bool hasList = SendMessageW(CtrlHandle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) && list.himl;
  if (!hasList) return TacBtnWnd::Painter(view);
  strip_ = ImageListStrip(list.himl);
  images_ = TacButtonImages{};
  images_.Images = &strip_;
  images_.Count = ImageList_GetImageCount(list.himl);
  ImageList_GetIconSize(list.himl, &images_.ImageSize.Width, &images_.ImageSize.Height);
  images_.ImageIndex = 0;
  images_.Margins = Rect{list.margin.left, list.margin.top, list.margin.right, list.margin.bottom};
  images_.Alignment = int(list.uAlign);
  return std::make_unique<ViewedPainter<TacImageButtonPainter, TacButtonImages>>(view, images_);
}

std::unique_ptr<TacButtonPainter> TacBitBtnWnd::Painter(const TacControlView& view) {
  auto* button = dynamic_cast<gui::BitBtn*>(gui::WinControl::FromHandle(CtrlHandle()));
  glyph_ = TacBitBtnGlyph{};
  if (button && button->Glyph()) {
    if (glyphBitmap_.IsEmpty()) glyphBitmap_ = BitmapFromHandle(button->Glyph());
    glyph_.Glyph = &glyphBitmap_;
  }
  return std::make_unique<ViewedPainter<TacBitBtnPainter, TacBitBtnGlyph>>(view, glyph_);
}

}  // namespace wakespan
