#include "skin/win32/frame/TsSystemMenu.h"

#include <string>
#include <vector>

#include "skin/win32/menus/MenuHooks.h"

namespace wakespan {

namespace {

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::u16string MenuText(HMENU menu, UINT position) {
  const int length = GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  GetMenuStringW(menu, position, text.data(), length + 1, MF_BYPOSITION);
  text.resize(size_t(length));
  return std::u16string(text.begin(), text.end());
}

void Carry(HWND form, const TsSysMenuChoice& choice) {
  if (choice.Post)
    PostMessageW(form, WM_SYSCOMMAND, choice.Command, 0);
  else
    SendMessageW(form, WM_SYSCOMMAND, choice.Command, 0);
}

}  // namespace

std::optional<std::vector<TsSysMenuEntry>> ReadWindowMenu(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return std::nullopt;
  std::vector<TsSysMenuEntry> entries;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    TsSysMenuEntry entry;
    entry.Id = info.wID;
    entry.Separator = (info.fType & MFT_SEPARATOR) != 0;
    if (!entry.Separator) entry.Text = MenuText(menu, UINT(i));
    entries.push_back(std::move(entry));
  }
  return entries;
}

void TsSystemMenu::UpdateItems(HWND window, bool full, const TsSysMenuForm& form) {
  if (NeedsGenerate(items_, full)) items_ = GenerateSysMenu(ReadWindowMenu(window));
  UpdateSysMenuItems(items_, form);
}

void TsSystemMenu::Drop(HWND window, Point at, const TsSysMenuForm& form, TsSkinManager& manager) {
  UpdateItems(window, items_.ExtItemsCount > 0, form);
  // The visible items, each with its command; the menu is made for this drop.
  std::vector<gui::MenuRow> rows;
  std::vector<std::wstring> names, captions;
  std::vector<const TsSysMenuItem*> shown;
  for (const TsSysMenuItem& item : items_.Items) {
    if (!item.Visible) continue;
    names.push_back(L"SysItem" + std::to_wstring(names.size()));
    const bool separator = item.Kind == TsSysItemKind::Separator;
    captions.push_back(separator ? L"-"
                                 : Wide(item.Caption) + (item.ShortCut.empty() ? L"" : L"\t" + Wide(item.ShortCut)));
    shown.push_back(&item);
  }
  for (size_t i = 0; i < names.size(); ++i) rows.push_back(gui::MenuRow{0, names[i].c_str(), captions[i].c_str(), -1});
  gui::PopupMenu menu(nullptr, L"SysMenu", nullptr);
  menu.Build(rows);
  std::optional<TsSysMenuChoice> chosen;
  for (size_t i = 0; i < shown.size(); ++i) {
    gui::MenuItem* item = menu.Find(names[i]);
    if (!item) continue;
    const TsSysMenuItem& source = *shown[i];
    item->OnClick = [&chosen, &source](gui::MenuItem&) { chosen = ChoiceOf(source); };
    if (!source.Enabled) EnableMenuItem(item->Container(), UINT(item->Index()), MF_BYPOSITION | MF_GRAYED);
  }
  HookPopupMenu(menu, true, manager);
  menu.Popup(at.X, at.Y, window);
  // The next drop refreshes the items by the state the command leaves; the
  // command may close the form and this menu with it, so nothing follows it.
  if (chosen) Carry(window, *chosen);
}

}  // namespace wakespan
