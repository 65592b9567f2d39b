// The skin manager as a component of the form it sits on: it owns the
// manager, the manager's view of the real windows and, for the default
// manager on an NT-family system, the hook of the application's window.
// The stored properties are read while the form loads; the skin reaches
// the windows once the form has finished loading.
#pragma once

#include <memory>
#include <string>

#include "platform/gui/Component.h"
#include "skin/data/sSkinManager.h"
#include "skin/win32/manager/AppWindowHook.h"
#include "skin/win32/manager/SkinWindowsWin32.h"

namespace wakespan {

class SkinManagerComponent : public gui::Component {
 public:
  SkinManagerComponent(gui::Form* owner, std::wstring name, const TsStoredManagerProperties& stored);
  ~SkinManagerComponent() override;

  const wchar_t* ClassName() const override { return L"TsSkinManager"; }
  void Loaded() override { manager_.Loaded(); }

  TsSkinManager& Manager() { return manager_; }
  SkinWindowsWin32& Windows() { return windows_; }
  // Null unless this manager hooks the application's window.
  const AppWindowHook* MainWindowHook() const { return appHook_.get(); }

 private:
  SkinWindowsWin32 windows_;  // outlives the manager, which talks to it until its end
  TsSkinManager manager_;
  std::unique_ptr<AppWindowHook> appHook_;
};

// The executable's directory with its trailing backslash.
std::string ProgramDirectory();

}  // namespace wakespan
