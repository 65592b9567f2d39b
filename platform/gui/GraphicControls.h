#pragma once
// Windowless controls: painted by their parent and fed its mouse presses.
#include "platform/gui/Control.h"
#include "platform/gui/Handles.h"

namespace gui {

class Label : public Control {
 public:
  Label(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, const std::wstring& caption);
  const wchar_t* ClassName() const override { return L"TLabel"; }
  void Paint(HDC dc) override;
  void Click() override {
    if (OnClick) OnClick(*this);
  }
  NotifyEvent OnClick;

  bool Transparent = false;
  COLORREF FontColor;
  HFONT Font = nullptr;  // null: the form's font
  UINT Alignment = DT_LEFT | DT_TOP;  // DrawText alignment flags
};

// A picture; 32-bit pictures carry premultiplied alpha and are blended.
class Image : public Control {
 public:
  Image(Form* owner, WinControl* parent, std::wstring name, Bounds bounds);
  const wchar_t* ClassName() const override { return L"TImage"; }
  void SetPicture(HBITMAP picture);
  void Paint(HDC dc) override;
  bool Center = false;  // centred in the box and cut to it, never scaled

 private:
  OwnedBitmap picture_;
};

}  // namespace gui
