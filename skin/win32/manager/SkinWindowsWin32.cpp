#include "skin/win32/manager/SkinWindowsWin32.h"

#include <utility>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/win32/WideText.h"
#include "skin/data/sSkinManager.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/EngineLists.h"
#include "skin/win32/manager/WindowBroadcast.h"

namespace wakespan {

namespace {

LPARAM SenderParam(const TsSkinManager& sender) { return reinterpret_cast<LPARAM>(&sender); }

}  // namespace

void SkinWindowsWin32::Broadcast(const TsSkinManager& sender, TacEngineCommand command, std::string_view section) {
  const engine::SectionNotice notice{&sender, section};
  const LPARAM lParam = command == TacEngineCommand::SectionChanged ? reinterpret_cast<LPARAM>(&notice)
                                                                    : SenderParam(sender);
  BroadcastCommand(engine::CommandWParam(command), lParam);
}

void SkinWindowsWin32::SendCommand(TacWindowHandle window, TacEngineCommand command, const TsSkinManager& sender) {
  SendEngineCommand(reinterpret_cast<HWND>(window), engine::CommandWParam(command), SenderParam(sender));
}

void SkinWindowsWin32::FreezeForms(const TsSkinManager& sender) {
  for (const ProviderForm& entry : ProviderForms()) {
    const bool topLevel = !(GetWindowLongPtrW(entry.form, GWL_STYLE) & WS_CHILD);
    if (entry.manager != &sender || !topLevel || !IsWindowVisible(entry.form)) continue;
    SendMessageW(entry.form, WM_SETREDRAW, FALSE, 0);
    frozen_.push_back(entry.form);
  }
}

void SkinWindowsWin32::UnfreezeForms(const TsSkinManager&) {
  for (HWND form : std::exchange(frozen_, {}))
    if (IsWindow(form)) SendMessageW(form, WM_SETREDRAW, TRUE, 0);
}

void SkinWindowsWin32::RedrawHookedWindows() {
  for (HWND window : HookList().VisibleDialogs())
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SkinWindowsWin32::InstallHook(TsSkinManager& manager) {
  if (hook_) return;
  hook_ = std::make_unique<ThreadCbtHook>(manager, [this, &manager] {
    engine::HookSettings settings;
    settings.skinnedPopups = manager.SkinnedPopups;
    settings.stdForms = (manager.SkinningRules & srStdForms) != 0;
    settings.stdDialogs = stdDialogsSkinned_;
    return settings;
  });
  if (const auto& skinMenus = Factories().skinMenus) skinMenus(&manager);
}

void SkinWindowsWin32::RemoveHook() {
  if (const auto& skinMenus = Factories().skinMenus) skinMenus(nullptr);
  hook_.reset();
}

void SkinWindowsWin32::ShowError(const std::string& text) {
  gui::ShowErrorMessage(platform::WideFromUtf8(text));
}

void SkinWindowsWin32::ShowMessage(const std::string& text) { gui::ShowInformation(platform::WideFromUtf8(text)); }

bool SkinWindowsWin32::OwnerLoading() const { return owner_.Loading(); }

}  // namespace wakespan
