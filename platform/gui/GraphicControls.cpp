#include "platform/gui/GraphicControls.h"

#include "platform/gui/Form.h"

namespace gui {

Label::Label(Form* owner, WinControl* parent, std::wstring name, Bounds bounds, const std::wstring& caption)
    : Control(owner, parent, std::move(name), bounds), FontColor(GetSysColor(COLOR_WINDOWTEXT)) {
  caption_ = caption;
}

void Label::Paint(HDC dc) {
  RECT r{bounds_.left, bounds_.top, bounds_.left + bounds_.width, bounds_.top + bounds_.height};
  if (!Transparent) {
    OwnedBrush brush(CreateSolidBrush(Owner()->Color()));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
  }
  ScopedSelect font(dc, Font ? Font : Owner()->Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, FontColor);
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, Alignment | DT_EXPANDTABS | DT_NOPREFIX | DT_NOCLIP);
}

Image::Image(Form* owner, WinControl* parent, std::wstring name, Bounds bounds)
    : Control(owner, parent, std::move(name), bounds) {}

void Image::SetPicture(HBITMAP picture) {
  picture_.Reset(picture);
  Invalidate();
}

void Image::Paint(HDC dc) {
  if (!picture_) return;
  BITMAP info{};
  GetObjectW(picture_.get(), sizeof(info), &info);
  int left = bounds_.left, top = bounds_.top;
  if (Center) {
    left += (bounds_.width - info.bmWidth) / 2;
    top += (bounds_.height - info.bmHeight) / 2;
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, bounds_.left, bounds_.top, bounds_.left + bounds_.width, bounds_.top + bounds_.height);
  OwnedMemoryDC source(CreateCompatibleDC(dc));
  {
    ScopedSelect select(source.get(), picture_.get());
    if (info.bmBitsPixel == 32) {
      BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      AlphaBlend(dc, left, top, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth, info.bmHeight, blend);
    } else {
      BitBlt(dc, left, top, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
  }
  RestoreDC(dc, saved);
}

}  // namespace gui
