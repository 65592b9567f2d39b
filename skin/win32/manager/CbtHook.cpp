#include "skin/win32/manager/CbtHook.h"

#include <cwctype>
#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/win32/manager/EngineLists.h"
#include "skin/win32/manager/SkinFactories.h"
#include "skin/win32/manager/WindowBroadcast.h"

namespace wakespan {

namespace {

using engine::HookAction;
using engine::HookEvent;

// The one hook of the thread; the hook procedure has no other way to it.
ThreadCbtHook* activeHook = nullptr;

constexpr ATOM kPopupMenuAtom = 0x8000;

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

BOOL CALLBACK FindToolbar(HWND child, LPARAM found) {
  std::wstring name = ClassNameOf(child);
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  if (name != L"toolbarwindow32") return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// A real window as the hook rules see it.
class Win32HookWindow : public engine::HookWindow {
 public:
  Win32HookWindow(HWND window, HookEvent event)
      : window_(window), event_(event), form_(dynamic_cast<gui::Form*>(gui::WinControl::FromHandle(window))) {}

  bool IsPopupMenu() const override {
    return static_cast<ATOM>(GetClassLongPtrW(window_, GCW_ATOM)) == kPopupMenuAtom;
  }
  std::wstring ClassName() const override { return ClassNameOf(window_); }
  bool HasParent() const override { return (Style() & WS_CHILD) != 0; }
  uint32_t Style() const override { return static_cast<uint32_t>(GetWindowLongPtrW(window_, GWL_STYLE)); }
  // A window still being created has no procedure of its own to ask yet.
  bool AnswersHandledQuery() const override {
    return event_ != HookEvent::Created && wakespan::AnswersHandledQuery(window_);
  }
  bool HasFormProvider() const override { return HookList().Contains(window_); }
  bool IsFrameworkForm() const override { return form_ != nullptr; }
  int FormTag() const override { return form_ ? form_->Tag : 0; }
  bool ContainsToolbar() const override {
    bool found = false;
    EnumChildWindows(window_, &FindToolbar, reinterpret_cast<LPARAM>(&found));
    return found;
  }

 private:
  HWND window_;
  HookEvent event_;
  gui::Form* form_;
};

}  // namespace

ThreadCbtHook::ThreadCbtHook(TsSkinManager& manager, std::function<engine::HookSettings()> settings)
    : manager_(manager), settings_(std::move(settings)) {
  if (activeHook) return;  // one hook per thread; a second stays uninstalled
  hook_.Reset(SetWindowsHookExW(WH_CBT, &Proc, nullptr, GetCurrentThreadId()));
  if (hook_) activeHook = this;
}

ThreadCbtHook::~ThreadCbtHook() {
  if (activeHook == this) activeHook = nullptr;
}

LRESULT CALLBACK ThreadCbtHook::Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (activeHook && code >= 0) {
    HWND window = reinterpret_cast<HWND>(wParam);
    // Nothing may unwind through the system's hook chain.
    try {
      switch (code) {
        case HCBT_CREATEWND: activeHook->Handle(HookEvent::Created, window); break;
        case HCBT_ACTIVATE: activeHook->Handle(HookEvent::Activated, window); break;
        case HCBT_DESTROYWND: activeHook->Handle(HookEvent::Destroyed, window); break;
      }
    } catch (const std::exception& error) {
      gui::Application::ReportError(error);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HookAction ThreadCbtHook::Handle(HookEvent event, HWND window) {
  engine::HookSettings settings = settings_();
  settings.hookedWindowVisible = !HookList().VisibleDialogs(window).empty();
  const HookAction action = engine::DecideHookAction(event, Win32HookWindow(window, event), settings);
  CarryOut(action, window);
  return action;
}

void ThreadCbtHook::CarryOut(HookAction action, HWND window) {
  const SkinFactories& made = Factories();
  AttachmentPtr attachment;
  switch (action) {
    case HookAction::None: return;
    case HookAction::Release: HookList().Release(window); return;
    case HookAction::WrapPopupMenu:
      if (made.menuWrapper) attachment = made.menuWrapper(window, manager_, "MAINMENU");
      break;
    case HookAction::SkinDialog:
      if (made.dialogSkinner) attachment = made.dialogSkinner(window, manager_);
      break;
    case HookAction::CreateFormProvider:
      if (auto* form = dynamic_cast<gui::Form*>(gui::WinControl::FromHandle(window)); form && made.formProvider)
        attachment = made.formProvider(*form, manager_);
      break;
  }
  if (attachment) HookList().Add(window, action, std::move(attachment));
}

}  // namespace wakespan
