// The program's real windows as the skin manager sees them: broadcasts go
// over the application's forms, the hook is the thread's CBT hook, the
// messages are modal boxes.
#pragma once

#include <memory>
#include <vector>

#include "skin/data/acSkinWindows.h"
#include "skin/win32/manager/CbtHook.h"

namespace gui {
class Form;
}

namespace wakespan {

class SkinWindowsWin32 : public TacSkinWindows {
 public:
  // `owner` is the form the manager sits on.
  explicit SkinWindowsWin32(const gui::Form& owner) : owner_(owner) {}

  void Broadcast(const TsSkinManager& sender, TacEngineCommand command, std::string_view section) override;
  void SendCommand(TacWindowHandle window, TacEngineCommand command, const TsSkinManager& sender) override;
  void FreezeForms(const TsSkinManager& sender) override;
  void UnfreezeForms(const TsSkinManager& sender) override;
  void RedrawHookedWindows() override;
  void InstallHook(TsSkinManager& manager) override;
  void RemoveHook() override;
  void ReleaseGlows() override {}          // glowing is off: there are none
  void ResetMenuBorderWidth() override {}  // the menu skinner keeps no width yet
  void UpdateStdDialogs(bool skinned) override { stdDialogsSkinned_ = skinned; }
  void ShowError(const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  bool OwnerLoading() const override;

  bool HookInstalled() const { return hook_ && hook_->Installed(); }
  ThreadCbtHook* Hook() const { return hook_.get(); }

 private:
  const gui::Form& owner_;
  // Switching redraw off hides a window from IsWindowVisible, so the frozen
  // ones are remembered to be switched on again.
  std::vector<HWND> frozen_;
  std::unique_ptr<ThreadCbtHook> hook_;
  // srStdDialogs while the manager is active, as the manager last said.
  bool stdDialogsSkinned_ = false;
};

}  // namespace wakespan
