#include "platform/gui/Form.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Handles.h"
#include "platform/gui/Menus.h"

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
  static HFONT tahoma = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
  return tahoma;
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
  const bool wasVisible = Visible();
  ShowWindow(Handle(), SW_SHOW);
  BringWindowToTop(Handle());
  SetForegroundWindow(Handle());
  if (!wasVisible && OnShow) OnShow();
}

void Form::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  modal_ = false;
}

void Form::ShowModal() {
  std::vector<HWND> waiting;
  for (Form* other : Application::Instance().Forms())
    if (other != this && IsWindowEnabled(other->Handle())) {
      EnableWindow(other->Handle(), FALSE);
      waiting.push_back(other->Handle());
    }
  modal_ = true;
  Show();
  while (modal_ && Visible() && Application::Instance().ProcessOneMessage()) {
  }
  modal_ = false;
  for (HWND window : waiting) EnableWindow(window, TRUE);
  Hide();
}

void Form::SetMenu(MainMenu* menu) {
  menu_ = menu;
  ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
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
