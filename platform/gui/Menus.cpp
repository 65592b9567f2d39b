#include "platform/gui/Menus.h"

namespace gui {

namespace {
UINT nextCommandId = 0x1000;
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
    if (picture) {
      info.fMask |= MIIM_BITMAP;
      info.hbmpItem = picture;
    }
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
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = picture;
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
