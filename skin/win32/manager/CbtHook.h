// The computer-based-training hook on the program's own thread: every
// window created, activated or destroyed passes by it, and the engine's
// hook rules decide what each one gets.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/gui/Handles.h"
#include "skin/engine/HookRules.h"

namespace wakespan {

class TsSkinManager;

using OwnedHook = gui::Owned<HHOOK, UnhookWindowsHookEx>;

class ThreadCbtHook {
 public:
  // `settings` is asked at every event, so changed skinning rules count at once.
  ThreadCbtHook(TsSkinManager& manager, std::function<engine::HookSettings()> settings);
  ~ThreadCbtHook();
  ThreadCbtHook(const ThreadCbtHook&) = delete;
  ThreadCbtHook& operator=(const ThreadCbtHook&) = delete;

  bool Installed() const { return static_cast<bool>(hook_); }
  // What the rules chose for the window and the event; the hook carries it out.
  engine::HookAction Handle(engine::HookEvent event, HWND window);

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);
  void CarryOut(engine::HookAction action, HWND window);

  TsSkinManager& manager_;
  std::function<engine::HookSettings()> settings_;
  OwnedHook hook_;
};

}  // namespace wakespan
