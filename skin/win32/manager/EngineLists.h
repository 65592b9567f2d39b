// The engine-wide lists of windows the manager reaches beyond the
// application's forms: the forms whose skin providers registered
// themselves, and the windows the hook made something for.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "skin/engine/HookRules.h"
#include "skin/win32/manager/SkinFactories.h"

namespace wakespan {

struct ProviderForm {
  HWND form;
  const TsSkinManager* manager;
};

// Skin providers add their form when they start and remove it when they end.
std::vector<ProviderForm>& ProviderForms();

struct HookedWindow {
  engine::HookAction madeBy;
  AttachmentPtr attachment;
};

class HookedWindows {
 public:
  void Add(HWND window, engine::HookAction madeBy, AttachmentPtr attachment);
  // Drops what was made for the window; nothing when there is nothing.
  void Release(HWND window);
  bool Contains(HWND window) const { return windows_.count(window) != 0; }
  // The standard dialogs skinned through the hook that are visible now,
  // `except` left out.
  std::vector<HWND> VisibleDialogs(HWND except = nullptr) const;
  size_t Count() const { return windows_.size(); }

 private:
  std::map<HWND, HookedWindow> windows_;
};

HookedWindows& HookList();

}  // namespace wakespan
