// What the menu painter knows of one menu item: small values that the
// platform side fills from its own menu and then hands over for measuring
// and drawing.
#pragma once

#include <string>
#include <string_view>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// The kinds of item, by caption (numbered as the draw-item event reports them).
enum class TsMenuItemType : int { smCaption = 0, smDivider = 1, smNormal = 2, smTopLine = 3 };

// "-" is a divider, "-text-" a heading, anything else a normal item. Top
// items of a menu bar are told apart by the caller.
TsMenuItemType MenuItemTypeOf(std::u16string_view caption);

// Caption alignment inside popup items.
enum class TsMenuAlignment { Left, Right, Center };

struct TsMenuItemData {
  std::u16string Caption;
  std::u16string ShortCut;  // empty: none
  TsMenuItemType Kind = TsMenuItemType::smNormal;
  // The picture drawn in the picture column: a 32-bit bitmap with
  // premultiplied alpha is blended, a 24-bit one copied. Not owned; none
  // for an item without picture.
  const Bitmap* Picture = nullptr;
  // The size the picture column is laid out for (the item's own bitmap,
  // else its image list's, else 16 x 16), whether or not there is a picture.
  Size PictureSize{16, 16};
  bool Default = false;   // bold
  bool Checked = false;
  bool Radio = false;     // a checked radio item shows a dot rather than a tick
  bool Enabled = true;
  bool Selected = false;  // highlighted by the mouse or the keyboard
  bool Hot = false;
  bool HidePrefix = false;  // the system asks for no accelerator underlines
  bool RightToLeft = false;
  bool FirstColumn = true;  // neither it nor an item before it starts a column
};

// An item is shown highlighted only when it can be chosen.
inline bool ShownHighlighted(const TsMenuItemData& item) { return item.Enabled && (item.Selected || item.Hot); }

}  // namespace wakespan
