#include "skin/win32/controls/TacCtrlAdapter.h"

namespace wakespan {

TacCtrlAdapter::TacCtrlAdapter(gui::Form& form, TsSkinManager& manager) : form_(form), manager_(manager) {}
TacCtrlAdapter::~TacCtrlAdapter() { RemoveAllItems(); }
void TacCtrlAdapter::AddAllItems(gui::WinControl*) {}
void TacCtrlAdapter::RemoveAllItems() {}
void TacCtrlAdapter::WndProc(UINT, WPARAM, LPARAM) {}
int TacCtrlAdapter::Count() const { return 0; }

}  // namespace wakespan
