#include "skin/engine/HookRules.h"

#include <algorithm>
#include <iterator>

namespace wakespan::engine {

namespace {

constexpr uint32_t kPopupStyle = 0x80000000;
constexpr uint32_t kBorderStyle = 0x00800000;
constexpr wchar_t kDialogClass[] = L"#32770";

// Sorted, for the binary search.
const wchar_t* const kExcludedFormClasses[] = {L"TApplication", L"TQRStandardPreview", L"TfcPopup"};

bool IsBorderlessPopup(uint32_t style) { return (style & kPopupStyle) && !(style & kBorderStyle); }

HookAction DecideDialog(const HookWindow& window, const HookSettings& settings) {
  if (!settings.stdDialogs) return HookAction::None;
  // With one hooked window on screen, only a dialog that hosts a tool bar
  // (the file dialogs) is skinned besides it.
  if (settings.hookedWindowVisible && !window.ContainsToolbar()) return HookAction::None;
  return HookAction::SkinDialog;
}

HookAction DecideForm(const HookWindow& window, const HookSettings& settings) {
  if (TagRefusesSkin(window.FormTag())) return HookAction::None;
  const std::wstring className = window.ClassName();
  if (IsExcludedFormClass(className)) return HookAction::None;
  const bool allowed = className == L"TMessageForm" ? settings.stdDialogs : settings.stdForms;
  return allowed ? HookAction::CreateFormProvider : HookAction::None;
}

HookAction DecideActivated(const HookWindow& window, const HookSettings& settings) {
  if (window.AnswersHandledQuery() || IsBorderlessPopup(window.Style()) || window.HasFormProvider())
    return HookAction::None;
  if (!window.HasParent() && window.ClassName() == kDialogClass) return DecideDialog(window, settings);
  if (window.IsFrameworkForm()) return DecideForm(window, settings);
  return HookAction::None;
}

HookAction DecideCreated(const HookWindow& window, const HookSettings& settings) {
  if (window.IsPopupMenu()) return settings.skinnedPopups ? HookAction::WrapPopupMenu : HookAction::None;
  if (window.ClassName() == kDialogClass) return DecideActivated(window, settings);
  return HookAction::None;
}

}  // namespace

bool IsExcludedFormClass(const std::wstring& className) {
  return std::binary_search(std::begin(kExcludedFormClasses), std::end(kExcludedFormClasses), className,
                            [](const std::wstring& a, const std::wstring& b) { return a < b; });
}

HookAction DecideHookAction(HookEvent event, const HookWindow& window, const HookSettings& settings) {
  switch (event) {
    case HookEvent::Created: return DecideCreated(window, settings);
    case HookEvent::Activated: return DecideActivated(window, settings);
    case HookEvent::Destroyed: break;
  }
  return HookAction::Release;
}

}  // namespace wakespan::engine
