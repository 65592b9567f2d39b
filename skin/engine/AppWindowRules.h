// What the engine does with a message of the application's main window.
#pragma once

#include <cstdint>

namespace wakespan::engine {

// What the application's main window is doing, as its last system command said.
enum class ShowState { Ignore, Restore, Minimize };

enum class AppWindowAction {
  PassOn,          // nothing of ours: the previous handler takes it
  RememberShow,    // note `showState`, then pass on
  Swallow,         // answered here, the previous handler never sees it
  NotifyForms,     // command 18 to every form, then pass on
  DrawMenuBorder,  // the popup-menu skinner draws the border, then pass on
};

struct AppWindowDecision {
  AppWindowAction action = AppWindowAction::PassOn;
  ShowState showState = ShowState::Ignore;
};

constexpr uint32_t kFormsNotice = 0xB000;
constexpr uint32_t kMenuBorderNoticeFirst = 0xBCB3;
constexpr uint32_t kMenuBorderNoticeLast = 0xBCB4;

// The hook acts only while popups are skinned; otherwise everything passes on.
AppWindowDecision DecideAppWindowMessage(uint32_t message, uintptr_t wParam, bool skinnedPopups);

}  // namespace wakespan::engine
