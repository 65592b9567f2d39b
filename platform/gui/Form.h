#pragma once
// A top-level window built from layout data. A form owns every component made
// on it and lists them in creation order; its events follow the program's
// handlers: create, show, close query, may-resize query, resize, mouse down.
#include <functional>
#include <memory>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/gui/LayoutTables.h"

namespace gui {

class MainMenu;
class Button;

struct SizeConstraints {
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;  // 0: no limit
};

// Notifications a form sends through its own handler chain, so that a
// handler installed over the form hears of these changes.
constexpr UINT kVisibleChanged = 0xB00B;  // wParam: 1 shown, 0 hidden
constexpr UINT kEnabledChanged = 0xB00C;
constexpr UINT kMenuChanged = 0xB015;

class Form : public WinControl {
 public:
  explicit Form(const FormLayout& layout);
  ~Form() override;

  const wchar_t* ClassName() const override { return className_; }
  const std::vector<Component*>& Components() const { return components_; }
  void AddComponent(Component* component) { components_.push_back(component); }

  // Makes a component owned by this form: Make<Button>(parent, ...).
  template <typename T, typename... Args>
  T* Make(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* result = made.get();
    owned_.push_back(std::move(made));
    return result;
  }

  void Show();
  void Hide();
  // Shows the form while every other form waits; returns when it closes.
  void ShowModal();
  // Puts a menu bar on the form; its items' handlers run on their commands.
  void SetMenu(MainMenu* menu);
  bool Visible() const;
  void Close();
  // Centres the form in the primary work area the next time it is shown.
  void RequestCentre() { centrePending_ = true; }
  void SetTopLeft(int left, int top);
  void SetConstraints(const SizeConstraints& constraints);
  const SizeConstraints& Constraints() const { return constraints_; }
  void SetTopmost(bool topmost);
  int Width() const;
  int Height() const;
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  // Makes every pixel of the key colour see-through and click-through.
  void SetTransparentColor(COLORREF key);
  HFONT Font() const;

  std::function<void()> OnCreate;
  std::function<void()> OnShow;
  std::function<void()> OnResize;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void(int& newWidth, int& newHeight, bool& resize)> OnCanResize;

  // True while the form is still being built from its layout data.
  bool Loading() const { return loading_; }
  // Ends loading and tells every component, in creation order.
  void FinishLoading();
  // Runs the create handler; the application calls it once the form's
  // process-wide reference is set.
  void RunCreate();
  bool CloseQuery();

  // Enter clicks the focused push button, or else the form's default button;
  // Escape clicks its cancel button. True when a button took the key.
  bool DialogKey(const MSG& message);
  static bool IsEnterOrEscape(const MSG& message);
  // Draws the button Enter would click now as the active one; runs whenever
  // the focus moves within the form.
  void UpdateActiveButton();

 protected:
  void WndProc(Message& message) override;

 private:
  friend LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  void Centre();
  void OnPositionChanging(WINDOWPOS& position);
  void OnActivate(Message& message);
  // The button Enter would click with the focus on this window.
  Button* ActiveButton(HWND focus) const;
  Button* CancelButton() const;

  const wchar_t* className_;
  COLORREF color_;
  SizeConstraints constraints_;
  bool centrePending_ = false;
  bool modal_ = false;
  MainMenu* menu_ = nullptr;
  HWND lastFocus_ = nullptr;  // the focused control when the form was last deactivated
  bool loading_ = true;
  bool created_ = false;  // the create handler has run: size changes now need consent
  int lastWidth_ = 0, lastHeight_ = 0;
  std::vector<Component*> components_;
  std::vector<std::unique_ptr<Component>> owned_;
};

}  // namespace gui
