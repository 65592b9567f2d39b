// What the engine's thread hook does with a window that is created,
// activated or destroyed. The Win32 side describes the window through
// HookWindow and carries out the action; every rule lives here.
#pragma once

#include <cstdint>
#include <string>

namespace wakespan::engine {

enum class HookEvent { Created, Activated, Destroyed };

enum class HookAction {
  None,
  WrapPopupMenu,       // a menu wrapper with section "MAINMENU"
  SkinDialog,          // a standard dialog skinned through the hook
  CreateFormProvider,  // a form provider for a framework form
  Release,             // drop whatever the hook made for the window
};

// The window as the hook sees it. Queries are asked only when a rule
// needs them, so the costly ones (a walk of all descendants) run rarely.
class HookWindow {
 public:
  virtual ~HookWindow() = default;
  virtual bool IsPopupMenu() const = 0;  // class atom 0x8000
  virtual std::wstring ClassName() const = 0;
  virtual bool HasParent() const = 0;
  virtual uint32_t Style() const = 0;
  virtual bool AnswersHandledQuery() const = 0;
  virtual bool HasFormProvider() const = 0;
  // A form of the framework (a top-level form or an MDI child).
  virtual bool IsFrameworkForm() const = 0;
  virtual int FormTag() const = 0;
  // A child window at any depth whose lower-cased class is "toolbarwindow32".
  virtual bool ContainsToolbar() const = 0;
};

struct HookSettings {
  bool skinnedPopups = true;
  bool stdForms = true;    // srStdForms in SkinningRules
  bool stdDialogs = true;  // srStdDialogs in SkinningRules
  // Another window skinned through the hook is visible right now.
  bool hookedWindowVisible = false;
};

HookAction DecideHookAction(HookEvent event, const HookWindow& window, const HookSettings& settings);

// A form tag that carries every bit of -98 keeps the form unskinned.
constexpr bool TagRefusesSkin(int tag) { return (tag & -98) == -98; }

// Form window classes that are never skinned.
bool IsExcludedFormClass(const std::wstring& className);

}  // namespace wakespan::engine
