#pragma once
// The standard controls, kept as real Windows controls so their own messages
// (BM_GETCHECK, EN_CHANGE, PBM_GETPOS, ...) keep working. Changes the program
// makes fire the same events as the user's.
#include "platform/gui/Control.h"
#include "platform/gui/Handles.h"

namespace gui {

// A windowed standard control created from a system window class.
class StdControl : public WinControl {
 public:
  StdControl(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const wchar_t* windowClass,
             const std::wstring& caption, DWORD style, DWORD exStyle = 0);
};

class GroupBox : public StdControl {
 public:
  GroupBox(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption);
  const wchar_t* ClassName() const override { return L"TGroupBox"; }

 protected:
  void WndProc(Message& message) override;
};

class Button : public StdControl {
 public:
  Button(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption);
  const wchar_t* ClassName() const override { return L"TButton"; }
  NotifyEvent OnClick;
  void Click();
  // Enter clicks the default button while the focus is on no other button;
  // Escape clicks the cancel button.
  bool Default = false;
  bool Cancel = false;
  // Drawn as the button Enter would click: the focused one, or else the default one.
  void ShowAsActive(bool active);

 protected:
  void WndProc(Message& message) override;
};

// A push button with a picture beside its caption.
class BitBtn : public Button {
 public:
  BitBtn(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption);
  ~BitBtn() override;
  const wchar_t* ClassName() const override { return L"TBitBtn"; }
  // Takes a premultiplied 32-bit picture; the button keeps its own copy.
  void SetGlyph(HBITMAP glyph);
  // The button's copy of its picture; null without one.
  HBITMAP Glyph() const { return static_cast<HBITMAP>(glyph_.get()); }

 private:
  HANDLE images_ = nullptr;  // HIMAGELIST
  OwnedBitmap glyph_;
};

class CheckBox : public StdControl {
 public:
  CheckBox(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption);
  const wchar_t* ClassName() const override { return L"TCheckBox"; }
  bool Checked() const;
  void SetChecked(bool checked);
  NotifyEvent OnClick;

 protected:
  void WndProc(Message& message) override;
};

// Radio buttons on one parent form one group.
class RadioButton : public StdControl {
 public:
  RadioButton(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption);
  const wchar_t* ClassName() const override { return L"TRadioButton"; }
  bool Checked() const;
  // Checking unchecks the group's other buttons and fires OnClick.
  void SetChecked(bool checked);
  NotifyEvent OnClick;

 protected:
  void WndProc(Message& message) override;

 private:
  void RememberGroupState();
  bool wasChecked_ = false;
};

class Edit : public StdControl {
 public:
  Edit(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id);
  const wchar_t* ClassName() const override { return L"TEdit"; }
  std::wstring Text() const { return Caption(); }
  // Setting a different text fires OnChange.
  void SetText(const std::wstring& text) { SetCaption(text); }
  NotifyEvent OnChange;
  // The client area's background and text colours; CLR_INVALID is the
  // system's own.
  COLORREF Color() const { return color_; }
  COLORREF FontColor() const { return fontColor_; }
  void SetColors(COLORREF color, COLORREF fontColor);

 protected:
  void WndProc(Message& message) override;

 private:
  COLORREF color_ = CLR_INVALID;
  COLORREF fontColor_ = CLR_INVALID;
  OwnedBrush brush_;
};

class ProgressBar : public StdControl {
 public:
  ProgressBar(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id);
  const wchar_t* ClassName() const override { return L"TProgressBar"; }
  void SetMax(int maximum);
  void SetPosition(int position);
  int Position() const;
};

}  // namespace gui
