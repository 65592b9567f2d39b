#pragma once
// Menus built from tables: a popup menu and a form's menu bar. Every item is a
// component of the form, with its name, picture and click handler.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Component.h"
#include "platform/gui/ImageList.h"

namespace gui {

class MenuItem : public Component {
 public:
  MenuItem(Form* owner, std::wstring name, std::wstring caption, int imageIndex);
  const wchar_t* ClassName() const override { return L"TMenuItem"; }
  bool IsSeparator() const { return caption_ == L"-"; }
  const std::wstring& Caption() const { return caption_; }
  int ImageIndex() const { return imageIndex_; }
  UINT CommandId() const { return commandId_; }

  std::vector<MenuItem*> Items;   // submenu items, in display order
  bool Default = false;           // shown in bold
  HBITMAP OwnPicture = nullptr;   // drawn instead of the image-list picture when set
  std::function<void(MenuItem& sender)> OnClick;

 private:
  std::wstring caption_;
  int imageIndex_;
  UINT commandId_;
};

// One row of a menu table: depth 0 items are top-level, deeper ones belong to
// the nearest shallower item above them. A caption of "-" is a separator.
struct MenuRow {
  int depth;
  const wchar_t* name;
  const wchar_t* caption;
  int imageIndex;  // -1: no picture
};

class Menu : public Component {
 public:
  Menu(Form* owner, std::wstring name, ImageList* images);
  ~Menu() override;
  void Build(const std::vector<MenuRow>& rows);
  const std::vector<MenuItem*>& Items() const { return items_; }
  MenuItem* Find(const std::wstring& name) const;
  // Runs the click handler of the item with this command id; false if none.
  bool Dispatch(UINT commandId);
  HMENU Handle() const { return handle_; }
  // Marks an item as its menu's default, shown in bold.
  void SetDefault(const std::wstring& name);
  // Gives an item a picture of its own in place of its image-list picture;
  // the caller keeps the bitmap alive.
  void SetOwnPicture(const std::wstring& name, HBITMAP picture);

 protected:
  virtual HMENU CreateRoot() const = 0;

 private:
  void Fill(HMENU menu, const std::vector<MenuItem*>& items);
  HMENU handle_ = nullptr;
  ImageList* images_;
  std::vector<std::unique_ptr<MenuItem>> ownedItems_;
  std::vector<MenuItem*> items_;
  std::vector<MenuItem*> all_;
};

class PopupMenu : public Menu {
 public:
  using Menu::Menu;
  const wchar_t* ClassName() const override { return L"TPopupMenu"; }
  // Opens the menu at a screen position; the chosen item's handler runs.
  void Popup(int x, int y, HWND owner);

 protected:
  HMENU CreateRoot() const override { return CreatePopupMenu(); }
};

// Measures and draws menu-item pictures for the window that owns a menu;
// true when the message was one of those.
bool HandleMenuPicture(UINT msg, LPARAM lParam);

class MainMenu : public Menu {
 public:
  using Menu::Menu;
  const wchar_t* ClassName() const override { return L"TMainMenu"; }

 protected:
  HMENU CreateRoot() const override { return CreateMenu(); }
};

}  // namespace gui
