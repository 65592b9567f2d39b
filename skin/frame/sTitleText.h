// The title bar's icon and caption text: where they go and how big the
// icon is.
#pragma once

#include "skin/frame/sFrameWindow.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// Single and sizeable frames show the icon, when asked to and the window
// has a system menu.
bool IconShown(TsBorderStyle border, bool showAppIcon, bool hasSystemMenu);
// The icon's side for a caption height: 1 up to 8, 8 up to 16, else 16.
int IconSide(int captionHeight);
// The icon's rectangle in window coordinates.
Rect IconRect(int frameWidth, int leftMargin, int captionHeight, Size icon);

// Where the caption text may go before it is centred and aligned.
struct TsCaptionLayout {
  int FrameWidth = 0;
  int IconWidth = 0;        // 0 without an icon
  int LeftMargin = 0;       // BILeftMargin
  bool HasCaptionSection = false;
  int Width = 0;            // the window's
  int TitleButtonsWidth = 0;
  int CaptionHeight = 0;
  bool Maximized = false;
};
Rect CaptionTextRect(const TsCaptionLayout& layout);

// Centres a text of `text` size (plus an added title `addedWidth` wide)
// vertically in R and places it by the alignment.
Rect AlignCaption(Rect R, TsCaptionAlignment alignment, Size text, int addedWidth);

}  // namespace wakespan
