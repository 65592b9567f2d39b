#include "skin/engine/AppWindowRules.h"

namespace wakespan::engine {

namespace {

constexpr uint32_t kSysCommand = 0x0112;
constexpr uint32_t kThemeChanged = 0x031A;
constexpr uintptr_t kMinimize = 0xF020;
constexpr uintptr_t kRestore = 0xF120;

ShowState ShowStateOf(uintptr_t command) {
  // The low four bits of a system command are the system's own.
  switch (command & 0xFFF0) {
    case kMinimize: return ShowState::Minimize;
    case kRestore: return ShowState::Restore;
  }
  return ShowState::Ignore;
}

}  // namespace

AppWindowDecision DecideAppWindowMessage(uint32_t message, uintptr_t wParam, bool skinnedPopups) {
  if (!skinnedPopups) return {};
  switch (message) {
    case kSysCommand: return {AppWindowAction::RememberShow, ShowStateOf(wParam)};
    case kThemeChanged: return {AppWindowAction::Swallow};
    case kFormsNotice: return {AppWindowAction::NotifyForms};
    case kMenuBorderNoticeFirst:
    case kMenuBorderNoticeLast: return {AppWindowAction::DrawMenuBorder};
  }
  return {};
}

}  // namespace wakespan::engine
