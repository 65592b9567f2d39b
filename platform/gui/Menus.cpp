#include "platform/gui/Menus.h"

#include "platform/gui/Handles.h"

namespace gui {

namespace {

UINT nextCommandId = 0x1000;

// Pictures are drawn by the menu's owner window, so their alpha is blended
// rather than copied: the item carries its bitmap as item data.
void SetPictureInfo(MENUITEMINFOW& info, HBITMAP picture) {
  info.fMask |= MIIM_BITMAP | MIIM_DATA;
  info.hbmpItem = HBMMENU_CALLBACK;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(picture);
}

}  // namespace

bool HandleMenuPicture(UINT msg, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType != ODT_MENU) return false;
    BITMAP info{};
    GetObjectW(reinterpret_cast<HBITMAP>(measure->itemData), sizeof(info), &info);
    measure->itemWidth = static_cast<UINT>(info.bmWidth);
    measure->itemHeight = static_cast<UINT>(info.bmHeight);
    return true;
  }
  if (msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU) return false;
    auto picture = reinterpret_cast<HBITMAP>(draw->itemData);
    BITMAP info{};
    if (!picture || !GetObjectW(picture, sizeof(info), &info)) return true;
    OwnedMemoryDC source(CreateCompatibleDC(draw->hDC));
    ScopedSelect select(source.get(), picture);
    const int left = draw->rcItem.left + (draw->rcItem.right - draw->rcItem.left - info.bmWidth) / 2;
    const int top = draw->rcItem.top + (draw->rcItem.bottom - draw->rcItem.top - info.bmHeight) / 2;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(draw->hDC, left, top, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth, info.bmHeight,
               blend);
    return true;
  }
  return false;
}

MenuItem::MenuItem(Form* owner, std::wstring name, std::wstring caption, int imageIndex)
    : Component(owner, std::move(name)), caption_(std::move(caption)), imageIndex_(imageIndex),
      commandId_(nextCommandId++) {}

Menu::Menu(Form* owner, std::wstring name, ImageList* images) : Component(owner, std::move(name)), images_(images) {}

Menu::~Menu() {
  // A menu bar is destroyed with its window; a popup menu is ours to destroy.
  if (handle_ && IsMenu(handle_)) DestroyMenu(handle_);
}

void Menu::Build(const std::vector<MenuRow>& rows) {
  std::vector<MenuItem*> parents;  // parents[d] is the last item at depth d
  for (const MenuRow& row : rows) {
    auto* item = new MenuItem(Owner(), row.name, row.caption, row.imageIndex);
    ownedItems_.emplace_back(item);
    all_.push_back(item);
    parents.resize(static_cast<size_t>(row.depth));
    (row.depth == 0 ? items_ : parents.back()->Items).push_back(item);
    parents.push_back(item);
  }
  handle_ = CreateRoot();
  Fill(handle_, items_);
}

void Menu::Fill(HMENU menu, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) {
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
    info.wID = item->CommandId();
    info.dwTypeData = const_cast<wchar_t*>(item->Caption().c_str());
    info.fState = item->Default ? MFS_DEFAULT : 0;
    if (!item->Items.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
      Fill(info.hSubMenu, item->Items);
    }
    HBITMAP picture = item->OwnPicture ? item->OwnPicture : (images_ ? images_->Picture(item->ImageIndex()) : nullptr);
    if (picture) SetPictureInfo(info, picture);
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

void Menu::SetDefault(const std::wstring& name) {
  MenuItem* item = Find(name);
  if (!item) return;
  item->Default = true;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  info.fState = MFS_DEFAULT;
  SetMenuItemInfoW(handle_, item->CommandId(), FALSE, &info);
}

void Menu::SetOwnPicture(const std::wstring& name, HBITMAP picture) {
  MenuItem* item = Find(name);
  if (!item) return;
  item->OwnPicture = picture;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  SetPictureInfo(info, picture);
  SetMenuItemInfoW(handle_, item->CommandId(), FALSE, &info);
}

MenuItem* Menu::Find(const std::wstring& name) const {
  for (MenuItem* item : all_)
    if (item->Name() == name) return item;
  return nullptr;
}

bool Menu::Dispatch(UINT commandId) {
  for (MenuItem* item : all_) {
    if (item->CommandId() != commandId) continue;
    if (item->OnClick) item->OnClick(*item);
    return true;
  }
  return false;
}

void PopupMenu::Popup(int x, int y, HWND owner) {
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen) Dispatch(chosen);
}

}  // namespace gui
