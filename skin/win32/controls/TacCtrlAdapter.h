// The control adapter of a skinned form: finds the form's controls that the
// skin knows (through the manager's ThirdParty lists), gives each a wrapper
// that paints it from the skin, makes the labels transparent in the skin's
// font colour, and releases them all again.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/paint/sCommonData.h"

namespace gui {
class Component;
class Control;
class Form;
class Label;
class WinControl;
}  // namespace gui

namespace wakespan {

class TsSkinManager;
class TacMainWnd;
class TacCtrlAdapter;

// One wrapped control: its skin data and its wrapper.
class TacAdapterItem {
 public:
  TacAdapterItem(TacCtrlAdapter& adapter, gui::WinControl& control);
  ~TacAdapterItem();
  TacAdapterItem(const TacAdapterItem&) = delete;
  TacAdapterItem& operator=(const TacAdapterItem&) = delete;

  // Creates the wrapper the class lists choose for the control.
  void DoHook(gui::WinControl& control);
  // Unhooks and drops the wrapper.
  void Release();
  bool Alive() const;

  gui::WinControl* WinCtrl;
  TsCommonData SkinData;
  TColor OldFontColor = -1;
  TacCtrlAdapter* Adapter;
  std::unique_ptr<TacMainWnd> ScrollWnd;
};

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

  bool IsControlSupported(const gui::Component& component) const;
  // Wraps one windowed control with `section` (empty: the wrapper's default).
  void AddNewItem(gui::WinControl& control, const std::string& section = {});
  int IndexOf(const gui::WinControl& control) const;
  TacAdapterItem* GetItem(int index) const;
  // Releases item `index`; the last item takes its place.
  void RemoveItem(int index);
  // Drops the items whose wrapper unhooked itself (their window went).
  void CleanItems();

  TsSkinManager& Manager() const { return manager_; }
  // The provider's veto or choice of section for a control, when set.
  std::function<void(gui::WinControl& control, bool& canSkin, std::string& section)> OnSkinItem;

 private:
  struct LabelLook {
    gui::Label* label;
    bool transparent;
    COLORREF fontColor;
  };
  void AddChildren(gui::WinControl& parent);
  void AddComponent(gui::Component& component, bool childControl);
  void SkinLabel(gui::Label& label);
  void ApplyLabelColors();
  // The labels' own looks back; `forget` also drops them from the list a
  // new skin colours again.
  void RestoreLabels(bool forget);

  gui::Form& form_;
  TsSkinManager& manager_;
  std::vector<std::unique_ptr<TacAdapterItem>> items_;
  std::vector<LabelLook> labels_;
  bool adding_ = false;
  bool removing_ = false;
};

}  // namespace wakespan
