#include "platform/gui/Application.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/AppTitle.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Timer.h"
#include "platform/win32/WideText.h"

namespace gui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  title_ = platform::Wide(platform::ApplicationTitle(platform::FromWide(path), &platform::LowerCase));

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TApplication";
  RegisterClassExW(&wc);
  // Hidden, and a tool window: the main form carries the task bar button.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            wc.hInstance, nullptr);
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Application& app = Instance();
  // Messages that arrive while CreateWindowExW is still running find no
  // window_ yet: they go straight to the system.
  if (window != app.window_) return DefWindowProcW(window, msg, wParam, lParam);
  Message message{msg, wParam, lParam, 0};
  try {
    app.handler_(message);
  } catch (const std::exception& error) {
    ReportError(error);
  }
  return message.result;
}

void Application::DefaultHandler(Message& message) {
  if (message.msg == WM_TIMER) {
    auto* timer = reinterpret_cast<Timer*>(message.wParam);
    if (liveTimers_.count(timer)) timer->Fire();
    return;
  }
  message.result = DefWindowProcW(window_, message.msg, message.wParam, message.lParam);
}

MessageHandler Application::ReplaceMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(handler_);
  handler_ = std::move(handler);
  return previous;
}

void Application::TrackTimer(Timer* timer, bool live) {
  if (live)
    liveTimers_.insert(timer);
  else
    liveTimers_.erase(timer);
}

bool Application::RouteDialogKeys(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  auto* form = dynamic_cast<Form*>(WinControl::FromHandle(top));
  if (!form || !liveForms_.count(form)) return false;
  if (form->DialogKey(message)) return true;
  // Enter and Escape that no button takes reach the control as typed keys,
  // not as made-up OK and Cancel commands for whatever control has id 1 or 2.
  if (Form::IsEnterOrEscape(message)) return false;
  return IsDialogMessageW(top, &message) != FALSE;
}

void Application::RemoveForm(Form* form) {
  liveForms_.erase(form);
  formOrder_.erase(std::remove(formOrder_.begin(), formOrder_.end(), form), formOrder_.end());
}

bool Application::ProcessOneMessage() {
  MSG message;
  if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
    PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside a modal one
    return false;
  }
  HandleMessage(message);
  return true;
}

void Application::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    HandleMessage(message);
  }
}

void Application::HandleMessage(MSG& message) {
  if (RouteDialogKeys(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Application::Run() {
  if (mainForm_) mainForm_->Show();
  while (ProcessOneMessage()) {
  }
  DestroyForms();
}

void Application::DestroyForms() {
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::BringToFront() {
  if (mainForm_ && mainForm_->Visible()) SetForegroundWindow(mainForm_->Handle());
}

void Application::ReportError(const std::exception& error) {
  ShowMessageBox(platform::WideFromUtf8(error.what()), Instance().Title(), MB_ICONERROR);
}

}  // namespace gui
