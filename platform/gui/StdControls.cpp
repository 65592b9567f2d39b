#include "platform/gui/StdControls.h"

#include <commctrl.h>

#include "platform/gui/Form.h"
#include "platform/gui/Handles.h"

namespace gui {

namespace {

bool IsClickNotification(const Message& message) {
  return message.msg == kReflected + WM_COMMAND && HIWORD(message.wParam) == BN_CLICKED;
}

}  // namespace

StdControl::StdControl(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id,
                       const wchar_t* windowClass, const std::wstring& caption, DWORD style, DWORD exStyle)
    : WinControl(owner, parent, std::move(name), bounds) {
  caption_ = caption;
  HWND window = CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                bounds.left, bounds.top, bounds.width, bounds.height, parent->Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  Attach(window, true);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(owner->Font()), FALSE);
}

GroupBox::GroupBox(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id,
                   const std::wstring& caption)
    : StdControl(owner, parent, std::move(name), bounds, id, L"BUTTON", caption, BS_GROUPBOX | WS_CLIPCHILDREN,
                 WS_EX_CONTROLPARENT) {}

void GroupBox::WndProc(Message& message) {
  switch (message.msg) {
    case WM_NCHITTEST:
      // A group box is a container here: it takes its own mouse presses.
      message.result = HTCLIENT;
      return;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Handle(), &client);
      OwnedBrush brush(CreateSolidBrush(Owner()->Color()));
      FillRect(reinterpret_cast<HDC>(message.wParam), &client, static_cast<HBRUSH>(brush.get()));
      message.result = 1;
      return;
    }
    case WM_PAINT: {
      PaintScope paint(Handle());
      Message frame{WM_PAINT, reinterpret_cast<WPARAM>(paint.dc()), 0, 0};
      CallDefault(frame);
      PaintWindowlessChildren(paint.dc());
      return;
    }
  }
  WinControl::WndProc(message);
}

Button::Button(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption)
    : StdControl(owner, parent, std::move(name), bounds, id, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP) {}

void Button::Click() {
  if (OnClick) OnClick(*this);
}

void Button::ShowAsActive(bool active) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const LONG_PTR kind = active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((style & BS_TYPEMASK) != kind) SendMessageW(Handle(), BM_SETSTYLE, static_cast<WPARAM>(kind), TRUE);
}

void Button::WndProc(Message& message) {
  if (IsClickNotification(message)) {
    Click();
    return;
  }
  WinControl::WndProc(message);
}

BitBtn::BitBtn(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id, const std::wstring& caption)
    : Button(owner, parent, std::move(name), bounds, id, caption) {}

BitBtn::~BitBtn() {
  if (images_) ImageList_Destroy(static_cast<HIMAGELIST>(images_));
}

void BitBtn::SetGlyph(HBITMAP glyph) {
  BITMAP info{};
  if (!glyph || !GetObjectW(glyph, sizeof(info), &info)) return;
  if (images_) ImageList_Destroy(static_cast<HIMAGELIST>(images_));
  glyph_.Reset(CopyImage(glyph, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HIMAGELIST list = ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR32, 1, 0);
  ImageList_Add(list, glyph, nullptr);
  images_ = list;
  BUTTON_IMAGELIST button{list, {4, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
  SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&button));
}

CheckBox::CheckBox(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id,
                   const std::wstring& caption)
    : StdControl(owner, parent, std::move(name), bounds, id, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP) {}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (Checked() == checked) return;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick(*this);
}

void CheckBox::WndProc(Message& message) {
  if (IsClickNotification(message)) {
    if (OnClick) OnClick(*this);
    return;
  }
  WinControl::WndProc(message);
}

namespace {

// The first radio button on a parent starts the group the keyboard moves in.
DWORD RadioStyle(WinControl* parent) {
  for (Control* sibling : parent->Controls())
    if (dynamic_cast<RadioButton*>(sibling)) return BS_AUTORADIOBUTTON;
  return BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
}

}  // namespace

RadioButton::RadioButton(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id,
                         const std::wstring& caption)
    : StdControl(owner, parent, std::move(name), bounds, id, L"BUTTON", caption, RadioStyle(parent)) {}

bool RadioButton::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RadioButton::RememberGroupState() {
  for (Control* sibling : Parent()->Controls())
    if (auto* radio = dynamic_cast<RadioButton*>(sibling)) radio->wasChecked_ = radio->Checked();
}

void RadioButton::SetChecked(bool checked) {
  if (Checked() == checked) return;
  if (checked) {
    for (Control* sibling : Parent()->Controls())
      if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio && radio != this)
        SendMessageW(radio->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  RememberGroupState();
  if (checked && OnClick) OnClick(*this);
}

void RadioButton::WndProc(Message& message) {
  if (IsClickNotification(message)) {
    // The button has already checked itself; a click on the checked one is no change.
    const bool changed = Checked() && !wasChecked_;
    RememberGroupState();
    if (changed && OnClick) OnClick(*this);
    return;
  }
  WinControl::WndProc(message);
}

Edit::Edit(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id)
    : StdControl(owner, parent, std::move(name), bounds, id, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE) {
  // Trigger texts have no length limit.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void Edit::SetColors(COLORREF color, COLORREF fontColor) {
  if (color == color_ && fontColor == fontColor_) return;
  color_ = color;
  fontColor_ = fontColor;
  brush_.Reset(color == CLR_INVALID ? nullptr : CreateSolidBrush(color));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Edit::WndProc(Message& message) {
  if (message.msg == kReflected + WM_COMMAND && HIWORD(message.wParam) == EN_CHANGE) {
    if (OnChange) OnChange(*this);
    return;
  }
  const bool colorQuery = message.msg == kReflected + WM_CTLCOLOREDIT || message.msg == kReflected + WM_CTLCOLORSTATIC;
  if (colorQuery) {
    // Only an edit with colours of its own answers; the parent does the rest.
    if (!brush_) return;
    const HDC dc = reinterpret_cast<HDC>(message.wParam);
    if (fontColor_ != CLR_INVALID) SetTextColor(dc, fontColor_);
    SetBkColor(dc, color_);
    message.result = reinterpret_cast<LRESULT>(brush_.get());
    return;
  }
  WinControl::WndProc(message);
}

ProgressBar::ProgressBar(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, int id)
    : StdControl(owner, parent, std::move(name), bounds, id, PROGRESS_CLASSW, L"", 0) {}

void ProgressBar::SetMax(int maximum) { SendMessageW(Handle(), PBM_SETRANGE32, 0, maximum); }

void ProgressBar::SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0); }

int ProgressBar::Position() const { return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

}  // namespace gui
