#include "skin/win32/menus/MenuItemData.h"

namespace wakespan {

namespace {

constexpr Size kDefaultPicture{16, 16};

Size BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return Size{};
  return Size{info.bmWidth, info.bmHeight};
}

// The item's own picture's size, else its image list's, else 16 x 16.
Size PictureSizeOf(const gui::MenuItem& item) {
  if (item.OwnPicture) return BitmapSize(item.OwnPicture);
  const gui::ImageList* images = item.ParentMenu() ? item.ParentMenu()->Images() : nullptr;
  if (images && images->Count() > 0) return BitmapSize(images->Picture(0));
  return kDefaultPicture;
}

// Neither the item nor one before it in its menu starts a new column.
bool InFirstColumn(const gui::MenuItem& item) {
  for (int i = 0; i <= item.Index(); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(item.Container(), UINT(i), TRUE, &info) && (info.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK)))
      return false;
  }
  return true;
}

std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

TsMenuItemData MenuItemDataOf(const gui::MenuItem& item, MenuEngine& engine, UINT drawState) {
  TsMenuItemData data;
  data.Caption = Utf16(item.Caption());
  data.Kind = item.IsTopItem() ? TsMenuItemType::smTopLine : MenuItemTypeOf(data.Caption);
  data.Picture = engine.PictureOf(item.Picture());
  data.PictureSize = PictureSizeOf(item);
  data.FirstColumn = InFirstColumn(item);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  GetMenuItemInfoW(item.Container(), UINT(item.Index()), TRUE, &info);
  data.Radio = (info.fType & MFT_RADIOCHECK) != 0;
  data.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
  data.Default = (info.fState & MFS_DEFAULT) || (drawState & ODS_DEFAULT) || item.Default;
  data.Checked = (info.fState & MFS_CHECKED) || (drawState & ODS_CHECKED);
  data.Enabled = !(info.fState & MFS_DISABLED) && !(drawState & (ODS_DISABLED | ODS_GRAYED));
  data.Selected = (drawState & ODS_SELECTED) != 0;
  data.Hot = (drawState & ODS_HOTLIGHT) != 0;
  data.HidePrefix = (drawState & ODS_NOACCEL) != 0;
  return data;
}

}  // namespace wakespan
