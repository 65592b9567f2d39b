// The default manager's hook of the application's main window, installed
// in the window's handler chain for its lifetime. It acts only while
// popups are skinned and passes every message it does not own on.
#pragma once

#include <functional>

#include "platform/gui/Control.h"
#include "skin/engine/AppWindowRules.h"

namespace wakespan {

class AppWindowHook {
 public:
  // `skinnedPopups` is asked at every message; `lParam` goes along with
  // the command to the forms (the manager).
  AppWindowHook(std::function<bool()> skinnedPopups, LPARAM sender);
  ~AppWindowHook();
  AppWindowHook(const AppWindowHook&) = delete;
  AppWindowHook& operator=(const AppWindowHook&) = delete;

  // What the last system command said the application is doing.
  engine::ShowState ShowState() const { return showState_; }

 private:
  void Handle(gui::Message& message);

  std::function<bool()> skinnedPopups_;
  LPARAM sender_;
  engine::ShowState showState_ = engine::ShowState::Ignore;
  gui::MessageHandler previous_;
};

}  // namespace wakespan
