#include "platform/gui/Form.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Handles.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdControls.h"

namespace gui {

LRESULT CALLBACK FormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

DWORD StyleOf(const FormLayout& layout) {
  switch (layout.border) {
    case BorderStyle::None:
      return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::Dialog:
      return WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_CLIPCHILDREN | (layout.borderIcons ? WS_SYSMENU : 0);
    case BorderStyle::Single:
      break;
  }
  return WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN |
         (layout.borderIcons ? WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX : 0);
}

DWORD ExStyleOf(const FormLayout& layout) {
  return WS_EX_CONTROLPARENT | (layout.border == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0);
}

void RegisterFormClass(const wchar_t* className) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &FormProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

bool NoModifierKeys() {
  return GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

bool Clickable(const Button* button) {
  return button && IsWindowVisible(button->Handle()) && IsWindowEnabled(button->Handle());
}

int ClampTo(int value, int minimum, int maximum) {
  if (maximum > 0) value = std::min(value, maximum);
  if (minimum > 0) value = std::max(value, minimum);
  return value;
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->Attach(window, false);
  }
  WinControl* control = WinControl::FromHandle(window);
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  return control->Dispatch(msg, wParam, lParam);
}

Form::Form(const FormLayout& layout)
    : WinControl(nullptr, nullptr, layout.name, Bounds{}),
      className_(layout.className),
      color_(GetSysColor(COLOR_BTNFACE)) {
  RegisterFormClass(className_);
  const DWORD style = StyleOf(layout), exStyle = ExStyleOf(layout);
  RECT outer{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  Form* mainForm = Application::Instance().MainForm();
  HWND owner = mainForm ? mainForm->Handle() : nullptr;
  CreateWindowExW(exStyle | (owner ? 0 : WS_EX_APPWINDOW), className_, layout.caption.c_str(), style, CW_USEDEFAULT,
                  CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                  GetModuleHandleW(nullptr), this);
  Application::Instance().AddForm(this);
  lastWidth_ = Width();
  lastHeight_ = Height();
}

Form::~Form() {
  Application::Instance().RemoveForm(this);
  // Destroy the window (and its children's) while the controls still exist.
  if (Handle()) DestroyWindow(Handle());
}

HFONT Form::Font() const {
  static const OwnedFont tahoma(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                           DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  return static_cast<HFONT>(tahoma.get());
}

void Form::FinishLoading() {
  if (!loading_) return;
  loading_ = false;
  for (Component* component : components_) component->Loaded();
}

void Form::RunCreate() {
  try {
    if (OnCreate) OnCreate();
  } catch (const std::exception& error) {
    Application::ReportError(error);
  }
  created_ = true;
}

int Form::Width() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return r.right - r.left;
}

int Form::Height() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return r.bottom - r.top;
}

void Form::SetColor(COLORREF color) {
  color_ = color;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::SetTransparentColor(COLORREF key) {
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Handle(), key, 255, LWA_COLORKEY);
}

bool Form::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

void Form::Centre() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - Width()) / 2;
  const int top = work.top + (work.bottom - work.top - Height()) / 2;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  if (centrePending_) {
    centrePending_ = false;
    Centre();
  }
  UpdateActiveButton();
  const bool wasVisible = Visible();
  ShowWindow(Handle(), SW_SHOW);
  BringWindowToTop(Handle());
  SetForegroundWindow(Handle());
  if (!wasVisible) Perform(kVisibleChanged, 1);
  if (!wasVisible && OnShow) OnShow();
}

void Form::Hide() {
  // A modal form only ends its loop here: ShowModal enables the waiting
  // windows before it hides the form, so that activation can pass to them.
  if (modal_) {
    modal_ = false;
    return;
  }
  const bool wasVisible = Visible();
  ShowWindow(Handle(), SW_HIDE);
  if (wasVisible) Perform(kVisibleChanged, 0);
}

namespace {

// The thread's visible, enabled top-level windows: what a user could click
// while a modal form is open. Windows shown later stay usable.
struct ModalWaiters {
  HWND modal;
  std::vector<HWND> windows;
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto& waiters = *reinterpret_cast<ModalWaiters*>(self);
    if (window != waiters.modal && IsWindowVisible(window) && IsWindowEnabled(window))
      waiters.windows.push_back(window);
    return TRUE;
  }
};

}  // namespace

void Form::ShowModal() {
  ModalWaiters waiting{Handle(), {}};
  EnumThreadWindows(GetCurrentThreadId(), &ModalWaiters::Collect, reinterpret_cast<LPARAM>(&waiting));
  for (HWND window : waiting.windows) EnableWindow(window, FALSE);
  modal_ = true;
  Show();
  while (modal_ && Visible() && Application::Instance().ProcessOneMessage()) {
  }
  modal_ = false;
  for (HWND window : waiting.windows)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  Hide();
}

void Form::SetMenu(MainMenu* menu) {
  menu_ = menu;
  ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
  Perform(kMenuChanged);
}

void Form::SetTopLeft(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetTopmost(bool topmost) {
  SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetConstraints(const SizeConstraints& constraints) {
  constraints_ = constraints;
  const int width = ClampTo(Width(), constraints.minWidth, constraints.maxWidth);
  const int height = ClampTo(Height(), constraints.minHeight, constraints.maxHeight);
  if (width != Width() || height != Height())
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  return canClose;
}

void Form::Close() {
  if (!CloseQuery()) return;
  if (Application::Instance().MainForm() == this)
    Application::Instance().Terminate();
  else
    Hide();
}

bool Form::IsEnterOrEscape(const MSG& message) {
  return message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

Button* Form::ActiveButton(HWND focus) const {
  auto* focused = dynamic_cast<Button*>(WinControl::FromHandle(focus));
  if (focused && focused->Owner() == this) return focused;
  for (Component* component : components_)
    if (auto* button = dynamic_cast<Button*>(component); button && button->Default) return button;
  return nullptr;
}

Button* Form::CancelButton() const {
  for (Component* component : components_)
    if (auto* button = dynamic_cast<Button*>(component); button && button->Cancel) return button;
  return nullptr;
}

bool Form::DialogKey(const MSG& message) {
  if (!IsEnterOrEscape(message) || !NoModifierKeys()) return false;
  // A control that takes these keys itself (a multi-line edit) keeps them.
  const LRESULT wanted =
      SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if (wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  Button* target = message.wParam == VK_RETURN ? ActiveButton(message.hwnd) : CancelButton();
  if (!Clickable(target)) return false;
  target->Click();
  return true;
}

void Form::UpdateActiveButton() {
  Button* active = ActiveButton(GetFocus());
  for (Component* component : components_)
    if (auto* button = dynamic_cast<Button*>(component)) button->ShowAsActive(button == active);
}

// A form keeps the control that had the focus when it was deactivated and
// gives the focus back to it when it is activated again, as dialogs do:
// otherwise the focus would sit on the form itself, where Enter clicks
// nothing.
void Form::OnActivate(Message& message) {
  if (LOWORD(message.wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    CallDefault(message);
    return;
  }
  CallDefault(message);
  const bool minimized = HIWORD(message.wParam) != 0;
  if (!minimized && lastFocus_ && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
      IsWindowEnabled(lastFocus_))
    ::SetFocus(lastFocus_);
}

void Form::OnPositionChanging(WINDOWPOS& position) {
  if (position.flags & SWP_NOSIZE) return;
  position.cx = ClampTo(position.cx, constraints_.minWidth, constraints_.maxWidth);
  position.cy = ClampTo(position.cy, constraints_.minHeight, constraints_.maxHeight);
  if (!created_ || (position.cx == Width() && position.cy == Height())) return;
  bool resize = true;
  if (OnCanResize) OnCanResize(position.cx, position.cy, resize);
  if (!resize) position.flags |= SWP_NOSIZE;
}

void Form::WndProc(Message& message) {
  if (message.msg == LiveGdiObjectsMessage()) {
    message.result = LiveGdiObjects();
    return;
  }
  switch (message.msg) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Handle(), &client);
      OwnedBrush brush(CreateSolidBrush(color_));
      FillRect(reinterpret_cast<HDC>(message.wParam), &client, static_cast<HBRUSH>(brush.get()));
      message.result = 1;
      return;
    }
    case WM_PAINT: {
      PaintScope paint(Handle());
      PaintWindowlessChildren(paint.dc());
      return;
    }
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      OnActivate(message);
      return;
    case WM_ENABLE:
      CallDefault(message);
      Perform(kEnabledChanged);
      return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (message.wParam == 0 && HandleMenuPicture(message.msg, message.lParam)) {
        message.result = TRUE;
        return;
      }
      break;
    case WM_COMMAND:
      // Menu commands come without a control handle.
      if (message.lParam == 0 && HIWORD(message.wParam) == 0 && menu_ && menu_->Dispatch(LOWORD(message.wParam)))
        return;
      break;
    case WM_QUERYENDSESSION:
      message.result = CloseQuery() ? TRUE : FALSE;
      return;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
      if (constraints_.minWidth) info->ptMinTrackSize.x = constraints_.minWidth;
      if (constraints_.minHeight) info->ptMinTrackSize.y = constraints_.minHeight;
      if (constraints_.maxWidth) info->ptMaxTrackSize.x = info->ptMaxSize.x = constraints_.maxWidth;
      if (constraints_.maxHeight) info->ptMaxTrackSize.y = info->ptMaxSize.y = constraints_.maxHeight;
      return;
    }
    case WM_WINDOWPOSCHANGING:
      OnPositionChanging(*reinterpret_cast<WINDOWPOS*>(message.lParam));
      CallDefault(message);
      return;
    case WM_SIZE:
      CallDefault(message);
      if (message.wParam != SIZE_MINIMIZED && (Width() != lastWidth_ || Height() != lastHeight_)) {
        lastWidth_ = Width();
        lastHeight_ = Height();
        if (OnResize) OnResize();
      }
      return;
  }
  WinControl::WndProc(message);
}

}  // namespace gui
