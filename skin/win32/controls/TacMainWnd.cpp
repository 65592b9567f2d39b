#include "skin/win32/controls/TacMainWnd.h"

#include "platform/gui/Application.h"
#include "platform/gui/WindowMap.h"
#include "skin/controls/sRepaintQuery.h"
#include "skin/data/sSkinManager.h"
#include "skin/engine/EngineCommands.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/paint/sEngineMessage.h"

namespace wakespan {

LRESULT CALLBACK WrapperWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TacMainWnd* wrapper = TacMainWnd::FromWindow(window);
  if (wrapper == nullptr) return DefWindowProcW(window, msg, wParam, lParam);
  gui::Message m{msg, wParam, lParam, 0};
  wrapper->acWndProc(m);
  return m.result;
}

namespace {

constexpr uint16_t kCommandUpdating = 10;

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(size_t(length) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

// Commands 1, 2 and 3 name their sender; a wrapper heeds only its own manager's.
bool FromManager(const gui::Message& m, const TsSkinManager* manager) {
  return m.lParam == 0 || reinterpret_cast<const TsSkinManager*>(m.lParam) == manager;
}

}  // namespace

struct TacMainWnd::CommandRow {
  uint16_t code;
  void (TacMainWnd::*handler)(gui::Message&);
};

const TacMainWnd::CommandRow* TacMainWnd::FindCommand(uint16_t code) {
  static const CommandRow kRows[] = {
      {1, &TacMainWnd::OnSkinChanged},   {2, &TacMainWnd::OnRemoveSkin},     {3, &TacMainWnd::OnRepaintSkin},
      {6, &TacMainWnd::OnEndUpdate},     {19, &TacMainWnd::OnChildMoved},    {21, &TacMainWnd::OnColorQuery},
      {23, &TacMainWnd::OnRebuildBorder}, {26, &TacMainWnd::OnSectionQuery}, {27, &TacMainWnd::OnCaptionHeightQuery},
      {29, &TacMainWnd::OnMouseEnter},   {30, &TacMainWnd::OnMouseLeave},    {34, &TacMainWnd::OnBackgroundQuery},
  };
  for (const CommandRow& row : kRows)
    if (row.code == code) return &row;
  return nullptr;
}

TacMainWnd::TacMainWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section,
                       const char* defaultSection)
    : window_(window), skinData_(skinData), manager_(manager), framework_(gui::WinControl::FromHandle(window)) {
  if (skinData_ == nullptr) {
    ownSkinData_ = std::make_unique<TsCommonData>();
    skinData_ = ownSkinData_.get();
    skinData_->COC = kAdapterKindCode;
  }
  if (manager_ == nullptr) manager_ = skinData_->SkinManager();
  skinData_->FSkinManager = manager_;
  skinData_->FOwnerObject = this;
  dlgMode_ = framework_ == nullptr;
  const std::string chosen = !section.empty() ? section : !skinData_->FSkinSection.empty() ? skinData_->FSkinSection
                                                                                          : std::string(defaultSection);
  skinData_->SetSkinSection(chosen);
  UpdateGeometry();
}

TacMainWnd::~TacMainWnd() {
  Unhook();
  if (skinData_->FOwnerObject == this) skinData_->FOwnerObject = nullptr;
}

TsSkinManager* TacMainWnd::SkinManager() const { return manager_; }

bool TacMainWnd::Skinned() const { return skinData_->Skinned(); }

namespace {
// The wrapper of each hooked window. The property stays on the window for
// anyone who asks the window itself; our own look-ups (every message of a
// subclassed plain window) read this map instead.
gui::WindowMap<TacMainWnd>& WrappersByWindow() {
  static gui::WindowMap<TacMainWnd> wrappers;
  return wrappers;
}
}  // namespace

TacMainWnd* TacMainWnd::FromWindow(HWND window) { return WrappersByWindow().Find(window); }

void TacMainWnd::Hook() {
  if (hooked_ || destroyed_) return;
  hooked_ = true;
  SaveStdParams();
  caption_ = WindowText(window_);
  SetPropW(window_, kWrapperProperty, this);
  WrappersByWindow().Set(window_, this);
  if (framework_) {
    oldWndProc_ = framework_->ReplaceMessageHandler([this](gui::Message& m) { acWndProc(m); });
  } else {
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WrapperWindowProc)));
  }
}

void TacMainWnd::Unhook() {
  if (!hooked_ || destroyed_) return;
  destroyed_ = true;
  if (framework_) {
    // This may run inside our own handler: keep it alive until we are gone.
    retired_ = framework_->ReplaceMessageHandler(std::move(oldWndProc_));
  } else if (GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WrapperWindowProc)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  }
  RemovePropW(window_, kWrapperProperty);
  WrappersByWindow().Remove(window_);
  RestoreStdParams();
  if (IsWindowVisible(window_)) {
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (dlgMode_) ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

void TacMainWnd::CallPrevWndProc(gui::Message& m) {
  if (oldWndProc_) {
    oldWndProc_(m);
  } else if (oldProc_) {
    m.result = CallWindowProcW(oldProc_, window_, m.msg, m.wParam, m.lParam);
  } else {
    m.result = 0;
  }
}

LRESULT TacMainWnd::CallPrev(UINT msg, WPARAM wParam, LPARAM lParam) {
  gui::Message m{msg, wParam, lParam, 0};
  CallPrevWndProc(m);
  return m.result;
}

void TacMainWnd::acWndProc(gui::Message& m) { CommonWndProc(m); }

void TacMainWnd::CommonWndProc(gui::Message& m) {
  switch (m.msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      CallPrevWndProc(m);
      Unhook();
      return;
    case WM_SIZE:
      skinData_->BGChanged = true;
      break;
    case WM_SETTEXT:
      CallPrevWndProc(m);
      caption_ = WindowText(window_);
      skinData_->BGChanged = true;
      return;
    default:
      break;
  }
  // Engine commands arrive while a skin is being applied or removed, when
  // the skin is marked inactive: they are answered whenever there is a manager.
  if (m.msg == EngineCommandMessage && manager_ != nullptr) return DispatchEngineCommand(m);
  if (!Skinned()) return CallPrevWndProc(m);
  switch (m.msg) {
    case WM_UPDATEUISTATE:
      m.result = 0;
      return;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(window_)) MakeActiveControl(true);
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (IsActiveControl()) MakeActiveControl(false);
      break;
    case WM_PRINT:
      m.result = CallPrev(WM_PAINT, m.wParam, 0);
      return;
    default:
      break;
  }
  CallPrevWndProc(m);
}

void TacMainWnd::DispatchEngineCommand(gui::Message& m) {
  const uint16_t code = engine::CommandOf(m.wParam);
  switch (code) {
    case kCommandIsSkinned:
      m.result = 1;
      return;
    case kCommandUpdating:
      m.result = skinData_->FUpdating ? 1 : 0;
      return;
    case kCommandApplication:
      m.result = reinterpret_cast<LRESULT>(&gui::Application::Instance());
      return;
    default:
      break;
  }
  if (const CommandRow* row = FindCommand(code)) return (this->*row->handler)(m);
  CallPrevWndProc(m);
}

void TacMainWnd::OnSkinChanged(gui::Message& m) {
  if (!FromManager(m, manager_)) return CallPrevWndProc(m);
  skinData_->UpdateIndexes();
  // The command reaches the control's own children through it.
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, m.msg, m.wParam, m.lParam);
  if (skinData_->SkinIndex >= 0) SetSkinParams();
  InvalidateRect(window_, nullptr, TRUE);
}

void TacMainWnd::OnRemoveSkin(gui::Message& m) {
  if (!FromManager(m, manager_)) return CallPrevWndProc(m);
  RestoreStdParams();
  if (IsWindowVisible(window_))
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TacMainWnd::OnRepaintSkin(gui::Message& m) {
  if (!FromManager(m, manager_)) return CallPrevWndProc(m);
  skinData_->UpdateIndexes();
  skinData_->FUpdating = false;
  RepaintNow();
}

void TacMainWnd::OnEndUpdate(gui::Message&) {
  if (skinData_->FUpdating) skinData_->FUpdating = false;
  skinData_->BGChanged = true;
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TacMainWnd::OnChildMoved(gui::Message& m) {
  if (dlgMode_) return CallPrevWndProc(m);
  TacRepaintQuery query;
  query.Visible = IsWindowVisible(window_) != FALSE;
  query.Enabled = IsWindowEnabled(window_) != FALSE;
  query.HasParentWindow = parentWnd_ != nullptr;
  query.ParentAnswer = [&] { return int(SendMessageW(parentWnd_, m.msg, m.wParam, m.lParam)); };
  m.result = ChildMoveNeedsRepaint(*skinData_, query);
}

void TacMainWnd::OnColorQuery(gui::Message& m) {
  CallPrevWndProc(m);
  if (m.result == 0) m.result = LRESULT(SkinBackgroundColor(*skinData_, 0));
}

void TacMainWnd::OnRebuildBorder(gui::Message&) {
  skinData_->BGChanged = true;
  RepaintNow();
}

void TacMainWnd::OnMouseEnter(gui::Message&) {
  if (skinData_->FMouseAbove) return;
  skinData_->FMouseAbove = true;
  skinData_->BGChanged = true;
  skinData_->FUpdating = false;
  RepaintNow();
}

void TacMainWnd::OnMouseLeave(gui::Message&) {
  if (!skinData_->FMouseAbove) return;
  skinData_->FMouseAbove = false;
  skinData_->BGChanged = true;
  skinData_->FUpdating = false;
  RepaintNow();
}

void TacMainWnd::OnBackgroundQuery(gui::Message& m) {
  if (auto* info = reinterpret_cast<BackgroundInfo*>(m.lParam)) AnswerBackgroundQuery(*skinData_, *info, 0);
  m.result = 1;
}

intptr_t TacMainWnd::Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return intptr_t(SendMessageW(window_, message, WPARAM(wParam), LPARAM(lParam)));
}

Size TacMainWnd::ControlSize() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return Size{r.right - r.left, r.bottom - r.top};
}

Point TacMainWnd::Position() const {
  RECT r{};
  GetWindowRect(window_, &r);
  POINT p{r.left, r.top};
  if (HWND parent = GetParent(window_)) ScreenToClient(parent, &p);
  return Point{p.x, p.y};
}

TacControlLink* TacMainWnd::Parent() const {
  HWND parent = GetParent(window_);
  if (parent == nullptr) return nullptr;
  parentLink_.Reset(parent);
  return &parentLink_;
}

void TacMainWnd::UpdateGeometry() {
  GetWindowRect(window_, &wndRect_);
  wndSize_ = SIZE{wndRect_.right - wndRect_.left, wndRect_.bottom - wndRect_.top};
  const Point at = Position();
  wndPos_ = POINT{at.X, at.Y};
  parentWnd_ = GetParent(window_);
}

TacControlView TacMainWnd::ControlView() const {
  TacControlView v;
  const Size size = ControlSize();
  v.WindowSize = size;
  v.Caption.assign(caption_.begin(), caption_.end());
  v.Style = uint32_t(GetWindowLongPtrW(window_, GWL_STYLE));
  v.ButtonState = uint32_t(const_cast<TacMainWnd*>(this)->CallPrev(BM_GETSTATE));
  v.Enabled = IsWindowEnabled(window_) != FALSE;
  v.Focused = skinData_->FFocused || GetFocus() == window_;
  v.MouseAbove = skinData_->FMouseAbove || IsActiveControl();
  v.PlainWindow = dlgMode_;
  v.RightToLeft = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  v.Font = FontRef{reinterpret_cast<void*>(SendMessageW(window_, WM_GETFONT, 0, 0))};
  return v;
}

void TacMainWnd::RepaintNow() {
  if (IsWindowVisible(window_)) ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TacMainWnd::IsActiveControl() const {
  return manager_ && manager_->ActiveControl() == reinterpret_cast<TacWindowHandle>(window_);
}

void TacMainWnd::MakeActiveControl(bool active) {
  if (manager_ == nullptr) return;
  if (!active) return manager_->SetActiveControl(0);
  if (!trackingLeave_) {
    // The window says when the mouse leaves it, so hover ends there.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  manager_->SetActiveControl(reinterpret_cast<TacWindowHandle>(window_));
}

}  // namespace wakespan
