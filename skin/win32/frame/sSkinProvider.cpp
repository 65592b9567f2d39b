#include "skin/win32/frame/sSkinProvider.h"

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/win32/controls/TacCtrlAdapter.h"

namespace wakespan {

namespace {

// Framework messages a provider answers 0 without passing them on.
constexpr UINT kSwallowedMessages[] = {0x93, 0xB034, 0xB04C, 0xBC4D, 0xB033, WM_PRINTCLIENT, WM_ENTERIDLE};

bool IsSwallowed(UINT msg) {
  for (UINT swallowed : kSwallowedMessages)
    if (msg == swallowed) return true;
  return false;
}

uint16_t CommandOf(WPARAM wParam) { return uint16_t((wParam >> 16) & 0xFFFF); }

}  // namespace

TsSkinProvider::TsSkinProvider(gui::Form& form, TsSkinManager& manager) : form_(form), manager_(manager) {
  cache_.Data.FOwnerObject = this;
  previous_ = form_.ReplaceMessageHandler([this](gui::Message& message) { Handle(message); });
  PrepareForm();
  if (skinned_) RedrawWindow(kRedrawFormFlags);
}

TsSkinProvider::~TsSkinProvider() {
  // The form may already be gone at the end of the process.
  HWND window = Window();
  if (!window) return;
  adapter_.reset();
  form_.ReplaceMessageHandler(std::move(previous_));
  UpdateSysMenuStyle(false);
  if (haveRegion_) SetWindowRgn(window, nullptr, TRUE);
}

HWND TsSkinProvider::Window() const {
  HWND window = form_.Handle();
  return window && gui::WinControl::FromHandle(window) == &form_ ? window : nullptr;
}

void TsSkinProvider::PrepareForm() {
  if (!Window()) return;
  cache_.ReadSkin(&manager_);
  skinned_ = cache_.Data.Skinned();
  UpdateSysMenuStyle(skinned_);
  if (!skinned_) return;
  const TsFrameWindow w = Scene().Window;
  AssignTitleButtonImages(cache_.Buttons, manager_, w.Border, Scene().Rules, w.Maximized, w.Minimized,
                          cache_.Data.SkinIndex);
  form_.SetColor(COLORREF(manager_.GetGlobalColor()));
  rgnChanged_ = true;
}

// The system draws no caption buttons and opens no system menu of its own
// while the skin is on: the provider draws them.
void TsSkinProvider::UpdateSysMenuStyle(bool active) {
  HWND window = Window();
  if (!window) return;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (active && ((style & WS_SYSMENU) || haveSysMenu_)) {
    // The window's own system menu is made while the style is still there:
    // the skinned menu copies its entries.
    if (style & WS_SYSMENU) {
      GetSystemMenu(window, FALSE);
      SetWindowLongPtrW(window, GWL_STYLE, style & ~LONG_PTR(WS_SYSMENU));
    }
    haveSysMenu_ = true;
  } else if (!active && haveSysMenu_) {
    SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);
    haveSysMenu_ = false;
  }
}

void TsSkinProvider::EnsureAdapter() {
  if (adapter_ || !skinned_) return;
  adapter_ = std::make_unique<TacCtrlAdapter>(form_, manager_);
  adapter_->AddAllItems(nullptr);
}

void TsSkinProvider::RemoveSkin() {
  HWND window = Window();
  adapter_.reset();  // every wrapper gives its control back its own look
  StopFades();
  currentHT_ = 0;
  skinned_ = false;
  UpdateSysMenuStyle(false);
  RemoveRegion();
  cache_.Release();
  form_.SetColor(GetSysColor(COLOR_BTNFACE));
  if (window)
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TsSkinProvider::HandleEngineCommand(gui::Message& m) {
  const auto fromOwnManager = [&] { return m.lParam == reinterpret_cast<LPARAM>(&manager_); };
  switch (CommandOf(m.wParam)) {
    case 1:  // new skin
    case 3:  // repaint with the current skin
      if (!fromOwnManager()) break;
      PrepareForm();
      cache_.Data.BGChanged = true;
      rgnChanged_ = true;
      if (adapter_) adapter_->WndProc(m.msg, m.wParam, m.lParam);
      EnsureAdapter();
      RedrawWindow(kRedrawFormFlags);
      return true;
    case 2:
      if (fromOwnManager()) RemoveSkin();
      return true;
    case 4: m.result = reinterpret_cast<LRESULT>(this); return true;
    case 7: m.result = 1; return true;
    case 32:
      ctrlSkinState_ &= ~0x400u;
      return true;
    case 34:
      if (!skinned_) break;
      AnswerFormBackground(cache_, Scene(), *reinterpret_cast<BackgroundInfo*>(m.lParam));
      m.result = 1;
      return true;
    case 36: m.result = LRESULT(ctrlSkinState_); return true;
    case kCommandApplication:
      m.result = reinterpret_cast<LRESULT>(&gui::Application::Instance());
      return true;
    case 61: {
      const TsFrameWindow w = Scene().Window;
      m.result = LRESULT(uint16_t(OffsetX(w)) | uint32_t(uint16_t(OffsetY(w))) << 16);
      return true;
    }
  }
  if (!skinned_) return false;
  switch (CommandOf(m.wParam)) {
    case 8:
      cache_.Data.FUpdating = LOWORD(m.wParam) == 1;
      if (cache_.Data.FUpdating) cache_.Data.BGChanged = true;
      return true;
    case 10: m.result = cache_.Data.FUpdating ? 1 : 0; return true;
    case 19: {
      const TsGeneralData& g = manager_.gd[size_t(cache_.Data.SkinIndex)];
      m.result = g.GradientPercent + g.ImagePercent > 0 ? 1 : 0;
      return true;
    }
    case 21: m.result = LRESULT(FormColor(cache_, Scene())); return true;
    case 25:
      EnsureAdapter();
      if (adapter_) adapter_->AddAllItems(reinterpret_cast<gui::WinControl*>(m.lParam));
      return true;
  }
  return false;
}

void TsSkinProvider::Handle(gui::Message& m) {
  if (m.msg == EngineCommandMessage && HandleEngineCommand(m)) return;
  if (!skinned_ || !Window()) return Default(m);
  HandleWhileSkinned(m);
}

void TsSkinProvider::HandleWhileSkinned(gui::Message& m) {
  if (IsSwallowed(m.msg)) {
    m.result = 0;
    return;
  }
  if (HandleFrameMouse(m)) return;
  switch (m.msg) {
    case WM_NCPAINT:
      if (!IsShowing() || cache_.Data.FUpdating) return;
      EnsureAdapter();
      PaintFrame();
      m.result = 0;
      return;
    case WM_NCACTIVATE: {
      formActive_ = m.wParam != 0;
      cache_.Data.BGChanged = true;
      if (lockCount_ == 0 && IsShowing()) blind_.Cover(Window(), HeaderHeight(Scene().Window) + 1);
      Default(m);
      blind_.Uncover();
      RepaintFrameNow();
      EnsureAdapter();
      return;
    }
    case WM_SETTEXT:
      cache_.Data.BGChanged = true;
      if (lockCount_ == 0 && IsShowing()) blind_.Cover(Window(), HeaderHeight(Scene().Window) + 1);
      Default(m);
      blind_.Uncover();
      RepaintFrameNow();
      return;
    case WM_SETICON:
      Default(m);
      cache_.Data.BGChanged = true;
      RepaintFrameNow();
      return;
    case WM_PAINT:
      PaintClient(m);
      return;
    case WM_ERASEBKGND:
      if (m.wParam != 0 && m.wParam == WPARAM(m.lParam)) PaintClient(m);
      m.result = 1;
      return;
    case WM_PRINT:
      PrintWindowInto(reinterpret_cast<HDC>(m.wParam));
      return;
    case WM_SIZE:
      Default(m);
      cache_.Data.BGChanged = true;
      if (!IsShowing()) return;
      rgnChanged_ = true;
      PrepareForm();  // the maximize button's image follows the window state
      RepaintFrameNow();
      ::RedrawWindow(Window(), nullptr, nullptr, RDW_NOFRAME | RDW_NOERASE | RDW_INVALIDATE);
      return;
    case WM_GETMINMAXINFO: {
      if (auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam); info) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &monitor)) {
          const int F = FrameWidth(Scene().Window);
          const RECT& work = monitor.rcWork;
          info->ptMaxPosition = POINT{-F, -F};
          info->ptMaxSize = POINT{work.right - work.left + 2 * F, work.bottom - work.top + 2 * F};
        }
      }
      Default(m);
      m.result = 0;
      return;
    }
    case WM_WINDOWPOSCHANGING:
      if (rgnChanging_) return;  // the region being applied moves nothing
      break;
    case WM_SETREDRAW:
      lockCount_ = m.wParam == 1 ? (lockCount_ > 0 ? lockCount_ - 1 : 0) : lockCount_ + 1;
      break;
    case WM_SETTINGCHANGE:
      cache_.Data.BGChanged = true;
      cache_.TitleBG = Bitmap();
      break;
    case WM_SYSCOMMAND:
      if ((m.wParam & 0xFFF0) == SC_MOVE && (m.wParam & 0xF) == 2) ::UpdateWindow(Window());  // drag-move
      Default(m);
      if ((m.wParam & 0xFFF0) == SC_MINIMIZE) {
        cache_.Data.OwnerHidden();
      } else if ((m.wParam & 0xFFF0) == SC_RESTORE) {
        cache_.Data.BGChanged = true;
        ::RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
      AfterSysCommand(m);
      return;
    case WM_MOVE:
      StopFades();  // the fade windows stay where the buttons were
      break;
    case WM_MOUSEMOVE:
      Default(m);
      manager_.SetActiveControl(0);
      return;
    case WM_PARENTNOTIFY:
      Default(m);
      if (LOWORD(m.wParam) == WM_CREATE && adapter_) adapter_->AddAllItems(nullptr);
      return;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      inMenu_ = m.msg == WM_ENTERMENULOOP;
      break;
    case gui::kVisibleChanged:
      Default(m);
      if (m.wParam == 0) {
        cache_.Data.OwnerHidden();
        StopFades();
      }
      return;
    case gui::kEnabledChanged:
      Default(m);
      cache_.Data.BGChanged = true;
      RepaintFrameNow();
      return;
    case gui::kMenuChanged:
      if (cache_.Data.FUpdating) {
        ctrlSkinState_ |= 0x400;
        return;
      }
      cache_.Data.BGChanged = true;
      break;
  }
  Default(m);
}

// TsSkinOwner

intptr_t TsSkinProvider::Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  HWND window = Window();
  return window ? SendMessageW(window, message, wParam, lParam) : 0;
}

TColor TsSkinProvider::OwnColor() const { return TColor(form_.Color()); }

Size TsSkinProvider::ControlSize() const {
  RECT r{};
  if (HWND window = Window()) GetWindowRect(window, &r);
  return Size{r.right - r.left, r.bottom - r.top};
}

bool TsSkinProvider::IsShowing() const {
  HWND window = Window();
  return window && IsWindowVisible(window);
}

void TsSkinProvider::InvalidateControl() {
  if (HWND window = Window()) InvalidateRect(window, nullptr, TRUE);
}

void TsSkinProvider::RedrawWindow(uint32_t flags) {
  if (HWND window = Window()) ::RedrawWindow(window, nullptr, nullptr, flags);
}

void RegisterFormProvider() {
  Factories().formProvider = [](gui::Form& form, TsSkinManager& manager) -> AttachmentPtr {
    return std::make_unique<TsSkinProvider>(form, manager);
  };
}

}  // namespace wakespan
