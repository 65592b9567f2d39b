// What the skin manager asks of the program's windows. The manager itself
// is portable; everything that walks, messages, freezes or hooks real
// windows happens behind this interface, which the Win32 side implements.
// A manager without one (host tests, the skin tool) is headless: it loads
// and keeps the model, and nothing is broadcast.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wakespan {

class TsSkinManager;

// Window message number of the engine's commands; the command code travels
// in the high word of wParam, the sending manager in lParam.
constexpr uint32_t EngineCommandMessage = 0xA100;

// The command codes the manager sends.
enum class TacEngineCommand : uint16_t {
  SkinChanged = 1,     // a new skin is loaded: fetch indexes again and repaint
  RemoveSkin = 2,      // the skin is gone: restore the control's own look
  Repaint = 3,         // repaint with the current skin
  SectionChanged = 13, // one section changed (its name goes along)
  BeforeRepaint = 16,  // sent to every form before each repaint broadcast
  MouseEnter = 29,     // the mouse entered a control
  MouseLeave = 30,     // the mouse left it
};

// A window handle carried as an opaque integer; 0 is no window.
using TacWindowHandle = uintptr_t;

class TacSkinWindows {
 public:
  virtual ~TacSkinWindows() = default;

  // Sends `command` from `sender` to every form of the application with its
  // controls, to the forms registered by skin providers and to the visible
  // windows skinned through the hook. `section` is the upper-cased section
  // name for SectionChanged and empty otherwise.
  virtual void Broadcast(const TsSkinManager& sender, TacEngineCommand command, std::string_view section) = 0;
  // Sends `command` from `sender` to one window.
  virtual void SendCommand(TacWindowHandle window, TacEngineCommand command, const TsSkinManager& sender) = 0;

  // Switches redraw off for every visible top-level form that has a skin
  // provider of `sender` (marking it as animating), and back on again.
  virtual void FreezeForms(const TsSkinManager& sender) = 0;
  virtual void UnfreezeForms(const TsSkinManager& sender) = 0;
  // Redraws every visible window skinned through the hook: frame, erase,
  // all children, at once.
  virtual void RedrawHookedWindows() = 0;

  // Installs or removes the hook on the program's thread that skins each
  // window as it is created or activated.
  virtual void InstallHook(TsSkinManager& manager) = 0;
  virtual void RemoveHook() = 0;

  // Releases the glow effects made with the previous skin.
  virtual void ReleaseGlows() = 0;
  // Forgets the menu skinner's cached border width.
  virtual void ResetMenuBorderWidth() = 0;
  // Whether standard dialogs are skinned from now on.
  virtual void UpdateStdDialogs(bool skinned) = 0;

  // A modal error box and a modal information message with one OK button.
  virtual void ShowError(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;

  // Whether the form owning the manager is still reading its form data.
  virtual bool OwnerLoading() const = 0;
};

}  // namespace wakespan
