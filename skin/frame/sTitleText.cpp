#include "skin/frame/sTitleText.h"

#include <algorithm>

namespace wakespan {

bool IconShown(TsBorderStyle border, bool showAppIcon, bool hasSystemMenu) {
  return (border == TsBorderStyle::Single || border == TsBorderStyle::Sizeable) && showAppIcon && hasSystemMenu;
}

int IconSide(int captionHeight) {
  if (captionHeight <= 8) return 1;
  if (captionHeight <= 16) return 8;
  return 16;
}

Rect IconRect(int frameWidth, int leftMargin, int captionHeight, Size icon) {
  Rect r;
  r.Left = frameWidth + leftMargin;
  r.Right = r.Left + icon.Width;
  const int t0 = frameWidth / 2 - 1;
  r.Top = t0 + (frameWidth + captionHeight - t0 - icon.Height) / 2;
  r.Bottom = r.Top + icon.Height;
  return r;
}

Rect CaptionTextRect(const TsCaptionLayout& l) {
  Rect r;
  r.Left = l.FrameWidth + l.IconWidth + l.LeftMargin + (l.HasCaptionSection ? 2 : 0) + 4;
  r.Right = l.Width - l.TitleButtonsWidth - 12;
  r.Top = l.Maximized ? l.FrameWidth / 2 + 1 : 2;
  r.Bottom = l.FrameWidth + l.CaptionHeight;
  return r;
}

Rect AlignCaption(Rect R, TsCaptionAlignment alignment, Size text, int addedWidth) {
  R.Top += (R.Bottom - R.Top - text.Height) / 2;
  R.Bottom = R.Top + text.Height;
  const int needed = text.Width + addedWidth + 4;
  switch (alignment) {
    case TsCaptionAlignment::Right:
      if (needed < R.Width()) R.Left = R.Right - needed;
      break;
    case TsCaptionAlignment::Center: {
      const int gap = R.Width() - needed;
      R.Left = std::max(R.Left, R.Left + gap / 2);
      R.Right = std::min(R.Left + text.Width, R.Right);
      break;
    }
    case TsCaptionAlignment::Left:
      break;
  }
  return R;
}

}  // namespace wakespan
