// The control adapter of a skinned form: finds the form's controls that the
// skin knows (through the manager's ThirdParty lists), gives each a wrapper
// that paints it from the skin, and releases them all again.
#pragma once

#include <windows.h>

namespace gui {
class Form;
class WinControl;
}  // namespace gui

namespace wakespan {

class TsSkinManager;

class TacCtrlAdapter {
 public:
  TacCtrlAdapter(gui::Form& form, TsSkinManager& manager);
  // Every wrapper unhooks and gives its control back its own look.
  ~TacCtrlAdapter();
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  // Wraps every supported control below `owner` (the form when null).
  void AddAllItems(gui::WinControl* owner = nullptr);
  void RemoveAllItems();
  // Sends the message to every item whose wrapper is alive and whose control
  // still has a parent.
  void WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  int Count() const;

 private:
  gui::Form& form_;
  TsSkinManager& manager_;
};

}  // namespace wakespan
