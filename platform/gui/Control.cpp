#include "platform/gui/Control.h"

#include <windowsx.h>

#include <stdexcept>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/WindowMap.h"

namespace gui {

LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {
// The control of each window, from Attach to Detach (at the latest
// WM_NCDESTROY); every message of every control looks it up.
WindowMap<WinControl>& ControlsByWindow() {
  static WindowMap<WinControl> controls;
  return controls;
}
}  // namespace

ShiftState ShiftState::FromMouse(WPARAM keys) {
  ShiftState s;
  s.shift = (keys & MK_SHIFT) != 0;
  s.ctrl = (keys & MK_CONTROL) != 0;
  s.alt = GetKeyState(VK_MENU) < 0;
  s.left = (keys & MK_LBUTTON) != 0;
  s.right = (keys & MK_RBUTTON) != 0;
  s.middle = (keys & MK_MBUTTON) != 0;
  return s;
}

Component::Component(Form* owner, std::wstring name) : owner_(owner), name_(std::move(name)) {
  if (owner_) owner_->AddComponent(this);
}

Control::Control(Form* owner, WinControl* parent, std::wstring name, Bounds bounds)
    : Component(owner, std::move(name)), bounds_(bounds), parent_(parent) {
  if (parent_) parent_->AddChild(this);
}

void Control::SetCaption(const std::wstring& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Invalidate();
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void Control::Invalidate() {
  if (IsWindowed()) {
    InvalidateRect(static_cast<WinControl*>(this)->Handle(), nullptr, TRUE);
  } else if (parent_ && parent_->Handle()) {
    RECT r{bounds_.left, bounds_.top, bounds_.left + bounds_.width, bounds_.top + bounds_.height};
    InvalidateRect(parent_->Handle(), &r, TRUE);
  }
}

LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  WinControl* control = WinControl::FromHandle(window);
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  return control->Dispatch(msg, wParam, lParam);
}

WinControl::WinControl(Form* owner, WinControl* parent, std::wstring name, Bounds bounds)
    : Control(owner, parent, std::move(name), bounds), handler_([this](Message& m) { WndProc(m); }) {}

WinControl::~WinControl() {
  if (handle_) DestroyWindow(handle_);
}

WinControl* WinControl::FromHandle(HWND window) {
  return ControlsByWindow().Find(window);
}

void WinControl::Attach(HWND window, bool subclass) {
  handle_ = window;
  ControlsByWindow().Set(window, this);
  if (subclass) {
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc)));
  } else {
    originalProc_ = &DefWindowProcW;
  }
}

void WinControl::Detach() {
  if (!handle_) return;
  ControlsByWindow().Remove(handle_);
  if (originalProc_ != &DefWindowProcW)
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
  handle_ = nullptr;
}

LRESULT WinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  Message message{msg, wParam, lParam, 0};
  HWND window = handle_;
  try {
    Perform(message);
  } catch (const std::exception& error) {
    Application::ReportError(error);
  } catch (...) {
    Application::ReportError(std::runtime_error("Unknown error"));
  }
  // The window is gone: its per-window state ends here.
  if (msg == WM_NCDESTROY && handle_ == window) Detach();
  return message.result;
}

MessageHandler WinControl::ReplaceMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(handler_);
  handler_ = std::move(handler);
  return previous;
}

void WinControl::Perform(Message& message) { handler_(message); }

LRESULT WinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  Message message{msg, wParam, lParam, 0};
  Perform(message);
  return message.result;
}

void WinControl::CallDefault(Message& message) {
  if (!handle_) return;
  message.result = CallWindowProcW(originalProc_, handle_, message.msg, message.wParam, message.lParam);
}

void WinControl::WndProc(Message& message) {
  switch (message.msg) {
    case WM_LBUTTONDOWN:
      RouteMouseDown(MouseButton::Left, message.wParam, message.lParam);
      break;
    case WM_RBUTTONDOWN:
      RouteMouseDown(MouseButton::Right, message.wParam, message.lParam);
      break;
    case WM_MBUTTONDOWN:
      RouteMouseDown(MouseButton::Middle, message.wParam, message.lParam);
      break;
    case WM_SETFOCUS:
      CallDefault(message);
      if (Owner()) Owner()->UpdateActiveButton();
      return;
    case WM_LBUTTONUP:
      if (Control* child = WindowlessChildAt(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam))) child->Click();
      break;
    case WM_COMMAND:
    case WM_NOTIFY: {
      HWND from = message.msg == WM_COMMAND ? reinterpret_cast<HWND>(message.lParam)
                                            : reinterpret_cast<NMHDR*>(message.lParam)->hwndFrom;
      if (WinControl* child = FromHandle(from); child && child != this) {
        Message notify{kReflected + message.msg, message.wParam, message.lParam, 0};
        child->Perform(notify);
        message.result = notify.result;
        return;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // A child with colours of its own answers with its brush.
      if (WinControl* child = FromHandle(reinterpret_cast<HWND>(message.lParam)); child && child != this) {
        Message colors{kReflected + message.msg, message.wParam, message.lParam, 0};
        child->Perform(colors);
        if (colors.result != 0) {
          message.result = colors.result;
          return;
        }
      }
      break;
  }
  CallDefault(message);
}

Control* WinControl::WindowlessChildAt(int x, int y) const {
  // The topmost windowless child under the pointer.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it)
    if (!(*it)->IsWindowed() && (*it)->GetBounds().Contains(x, y)) return *it;
  return nullptr;
}

void WinControl::RouteMouseDown(MouseButton button, WPARAM keys, LPARAM position) {
  const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
  const ShiftState shift = ShiftState::FromMouse(keys);
  if (Control* child = WindowlessChildAt(x, y))
    child->MouseDown(button, shift, x - child->GetBounds().left, y - child->GetBounds().top);
  else
    MouseDown(button, shift, x, y);
}

void WinControl::PaintWindowlessChildren(HDC dc) {
  for (Control* child : children_)
    if (!child->IsWindowed()) child->Paint(dc);
}

std::wstring WinControl::Caption() const {
  if (!handle_) return caption_;
  int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void WinControl::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  if (handle_ && Caption() != caption) SetWindowTextW(handle_, caption.c_str());
}

bool WinControl::Enabled() const { return handle_ ? IsWindowEnabled(handle_) != FALSE : Control::Enabled(); }

void WinControl::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

void WinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

}  // namespace gui
