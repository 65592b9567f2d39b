#pragma once
// Controls: windowless ones (labels, pictures) are painted by their parent and
// get their mouse presses from it; windowed ones are real Win32 windows whose
// every message runs through a replaceable handler.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Component.h"
#include "platform/gui/Geometry.h"

namespace gui {

class WinControl;

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
  bool shift = false, ctrl = false, alt = false;
  bool left = false, right = false, middle = false;
  static ShiftState FromMouse(WPARAM keys);
};

// A window message on its way through a control's handler chain.
struct Message {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
};
using MessageHandler = std::function<void(Message&)>;

class Control;
using MouseDownEvent = std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;
using NotifyEvent = std::function<void(Control& sender)>;

class Control : public Component {
 public:
  Control(Form* owner, WinControl* parent, std::wstring name, Bounds bounds);

  WinControl* Parent() const { return parent_; }
  const Bounds& GetBounds() const { return bounds_; }
  virtual bool IsWindowed() const { return false; }
  virtual std::wstring Caption() const { return caption_; }
  virtual void SetCaption(const std::wstring& caption);
  virtual bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled) { enabled_ = enabled; }

  MouseDownEvent OnMouseDown;

  // Called by the parent for windowless controls, by the control itself otherwise.
  void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  // A left click on a windowless control, reported by its parent.
  virtual void Click() {}
  // A message handed to the control itself rather than to a window: a
  // windowless control answers none, a windowed one runs its handler chain.
  virtual void Perform(Message&) {}
  // Windowless controls draw themselves into the parent's paint DC.
  // Labels draw their whole caption even past their box, as auto-sized labels do.
  virtual void Paint(HDC) {}

 protected:
  void Invalidate();
  std::wstring caption_;
  Bounds bounds_;

 private:
  WinControl* parent_;
  bool enabled_ = true;
};

// A parent passes each WM_COMMAND and WM_NOTIFY on to the child it came from
// as kReflected + the message, so every control handles its own notifications.
constexpr UINT kReflected = WM_APP + 0x0F00;

class WinControl : public Control {
 public:
  WinControl(Form* owner, WinControl* parent, std::wstring name, Bounds bounds);
  ~WinControl() override;

  bool IsWindowed() const override { return true; }
  HWND Handle() const { return handle_; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  void SetFocus();

  // Children in creation order (which is the tab order within this parent).
  const std::vector<Control*>& Controls() const { return children_; }
  void AddChild(Control* child) { children_.push_back(child); }

  // The handler every message of this window goes through. Installing one
  // returns the handler it replaces, which the new one may call and which can
  // later be put back.
  MessageHandler ReplaceMessageHandler(MessageHandler handler);
  void Perform(Message& message) override;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  static WinControl* FromHandle(HWND window);
  // Draws the windowless children into a paint DC of this control (a skin
  // that paints the control itself still shows its labels).
  void PaintWindowlessChildren(HDC dc);

 protected:
  // The framework's own handling; ends in the window class's procedure.
  virtual void WndProc(Message& message);
  void CallDefault(Message& message);
  // Adopts a created window: routes its messages through the handler chain.
  void Attach(HWND window, bool subclass);
  // Mouse presses on windowless children go to them, the rest to this control.
  void RouteMouseDown(MouseButton button, WPARAM keys, LPARAM position);
  Control* WindowlessChildAt(int x, int y) const;

 private:
  friend LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void Detach();

  HWND handle_ = nullptr;
  WNDPROC originalProc_ = nullptr;
  MessageHandler handler_;
  std::vector<Control*> children_;
};

}  // namespace gui
