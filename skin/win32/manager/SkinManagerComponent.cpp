#include "skin/win32/manager/SkinManagerComponent.h"

#include <windows.h>

#include "platform/gui/Form.h"
#include "platform/Text.h"
#include "platform/win32/WideText.h"
#include "skin/win32/manager/EngineStartup.h"

namespace wakespan {

std::string ProgramDirectory() {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring directory(path, length);
  directory.erase(directory.find_last_of(L"\\/") + 1);
  return platform::ToUtf8(platform::FromWide(directory));
}

SkinManagerComponent::SkinManagerComponent(gui::Form* owner, std::wstring name, const TsStoredManagerProperties& stored)
    : gui::Component(owner, std::move(name)), windows_(*owner), manager_(&windows_) {
  if (manager_.IsDefault() && Engine().ntFamily)
    appHook_ = std::make_unique<AppWindowHook>([this] { return manager_.SkinnedPopups; },
                                               reinterpret_cast<LPARAM>(&manager_));
  manager_.ProgramDirectory = ProgramDirectory();
  manager_.BeginLoading();
  manager_.ReadProperties(stored);
}

// The application's window is unhooked before the manager drops the skin.
SkinManagerComponent::~SkinManagerComponent() { appHook_.reset(); }

}  // namespace wakespan
