#include "skin/win32/manager/EngineLists.h"

#include <utility>

namespace wakespan {

std::vector<ProviderForm>& ProviderForms() {
  static std::vector<ProviderForm> forms;
  return forms;
}

HookedWindows& HookList() {
  static HookedWindows list;
  return list;
}

void HookedWindows::Add(HWND window, engine::HookAction madeBy, AttachmentPtr attachment) {
  windows_[window] = HookedWindow{madeBy, std::move(attachment)};
}

void HookedWindows::Release(HWND window) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return;
  // Out of the list first: the attachment's destructor may send messages
  // that reach the hook again.
  HookedWindow released = std::move(found->second);
  windows_.erase(found);
}

std::vector<HWND> HookedWindows::VisibleDialogs(HWND except) const {
  std::vector<HWND> visible;
  for (const auto& [window, hooked] : windows_)
    if (window != except && hooked.madeBy == engine::HookAction::SkinDialog && IsWindowVisible(window))
      visible.push_back(window);
  return visible;
}

}  // namespace wakespan
