#include "platform/gui/Menus.h"

#include <algorithm>

#include "platform/gui/Handles.h"

namespace gui {

namespace {

UINT nextCommandId = 0x1000;

// Pictures are drawn by the menu's owner window, so their alpha is blended
// rather than copied. Every item carries itself as item data, which the
// owner window's measuring and drawing go by.
void SetPictureInfo(MENUITEMINFOW& info) { info.fMask |= MIIM_BITMAP; info.hbmpItem = HBMMENU_CALLBACK; }

MenuItem* ItemOf(ULONG_PTR itemData) { return reinterpret_cast<MenuItem*>(itemData); }

}  // namespace

bool HandleMenuPicture(UINT msg, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType != ODT_MENU || !measure->itemData) return false;
    MenuItem& item = *ItemOf(measure->itemData);
    if (item.OwnerDrawn()) {
      if (!item.OnMeasureItem) return false;
      item.OnMeasureItem(item, *measure);
      return true;
    }
    BITMAP info{};
    GetObjectW(item.Picture(), sizeof(info), &info);
    measure->itemWidth = static_cast<UINT>(info.bmWidth);
    measure->itemHeight = static_cast<UINT>(info.bmHeight);
    return true;
  }
  if (msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU || !draw->itemData) return false;
    MenuItem& item = *ItemOf(draw->itemData);
    if (item.OwnerDrawn()) {
      if (!item.OnAdvancedDrawItem) return false;
      item.OnAdvancedDrawItem(item, *draw);
      return true;
    }
    HBITMAP picture = item.Picture();
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

bool MenuItem::IsTopItem() const {
  if (!menu_ || !menu_->IsMainMenu()) return false;
  const std::vector<MenuItem*>& top = menu_->Items();
  return std::find(top.begin(), top.end(), this) != top.end();
}

HBITMAP MenuItem::Picture() const {
  if (OwnPicture) return OwnPicture;
  return menu_ && menu_->Images() ? menu_->Images()->Picture(imageIndex_) : nullptr;
}

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
    item->menu_ = this;
    item->container_ = menu;
    item->index_ = GetMenuItemCount(menu);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    if (item->IsSeparator()) {
      info.fMask |= MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
      InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
      continue;
    }
    info.fMask |= MIIM_ID | MIIM_STRING | MIIM_STATE;
    info.wID = item->CommandId();
    info.dwTypeData = const_cast<wchar_t*>(item->Caption().c_str());
    info.fState = item->Default ? MFS_DEFAULT : 0;
    if (!item->Items.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
      Fill(info.hSubMenu, item->Items);
    }
    if (item->Picture()) SetPictureInfo(info);
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
  SetPictureInfo(info);
  SetMenuItemInfoW(handle_, item->CommandId(), FALSE, &info);
}

void Menu::SetOwnerDraw(bool value) {
  ownerDraw_ = value;
  for (MenuItem* item : all_) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(item->container_, static_cast<UINT>(item->index_), TRUE, &info)) continue;
    info.fType = value ? (info.fType | MFT_OWNERDRAW) : (info.fType & ~UINT(MFT_OWNERDRAW));
    SetMenuItemInfoW(item->container_, static_cast<UINT>(item->index_), TRUE, &info);
    item->ownerDrawn_ = value;
  }
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
