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
#include "platform/gui/LayoutTables.h"

namespace gui {

class Menu;

class MenuItem : public Component {
 public:
  MenuItem(Form* owner, std::wstring name, std::wstring caption, int imageIndex);
  const wchar_t* ClassName() const override { return L"TMenuItem"; }
  bool IsSeparator() const { return caption_ == L"-"; }
  const std::wstring& Caption() const { return caption_; }
  int ImageIndex() const { return imageIndex_; }
  UINT CommandId() const { return commandId_; }

  // The menu the item belongs to, the system menu holding it and its place there.
  Menu* ParentMenu() const { return menu_; }
  HMENU Container() const { return container_; }
  int Index() const { return index_; }
  // A top item of a menu bar.
  bool IsTopItem() const;
  // The item's own picture, else its image-list picture; null for none.
  HBITMAP Picture() const;
  // Whether the system asks the owner window to measure and draw the item.
  bool OwnerDrawn() const { return ownerDrawn_; }

  std::vector<MenuItem*> Items;   // submenu items, in display order
  bool Default = false;           // shown in bold
  HBITMAP OwnPicture = nullptr;   // drawn instead of the image-list picture when set
  std::function<void(MenuItem& sender)> OnClick;
  // Measure and draw handlers of an owner-drawn item.
  std::function<void(MenuItem& sender, MEASUREITEMSTRUCT& measure)> OnMeasureItem;
  std::function<void(MenuItem& sender, const DRAWITEMSTRUCT& draw)> OnAdvancedDrawItem;

 private:
  friend class Menu;
  Menu* menu_ = nullptr;
  HMENU container_ = nullptr;
  int index_ = 0;
  bool ownerDrawn_ = false;
  std::wstring caption_;
  int imageIndex_;
  UINT commandId_;
};

class Menu : public Component {
 public:
  Menu(Form* owner, std::wstring name, ImageList* images);
  ~Menu() override;
  void Build(const std::vector<MenuRow>& rows);
  const std::vector<MenuItem*>& Items() const { return items_; }
  MenuItem* Find(const std::wstring& name) const;
  // Every item at every depth, in display order of each submenu.
  const std::vector<MenuItem*>& AllItems() const { return all_; }
  ImageList* Images() const { return images_; }
  virtual bool IsMainMenu() const { return false; }
  // Switches the system's owner drawing of every item on or off; the
  // items' handlers then measure and draw them.
  void SetOwnerDraw(bool value);
  bool OwnerDraw() const { return ownerDraw_; }
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
  bool ownerDraw_ = false;
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

// Measures and draws menu items for the window that owns a menu: the
// owner-drawn ones through their handlers, the others' pictures; true when
// the message was one of those.
bool HandleMenuPicture(UINT msg, LPARAM lParam);

class MainMenu : public Menu {
 public:
  using Menu::Menu;
  const wchar_t* ClassName() const override { return L"TMainMenu"; }
  bool IsMainMenu() const override { return true; }

 protected:
  HMENU CreateRoot() const override { return CreateMenu(); }
};

}  // namespace gui
