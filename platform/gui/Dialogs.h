#pragma once
// Modal message dialogs with one OK button. Timers keep firing while they
// are open.
#include <windows.h>

#include <string>

namespace gui {

void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT icon);
// The standard information dialog.
void ShowInformation(const std::wstring& text);
// The standard error dialog.
void ShowErrorMessage(const std::wstring& text);

}  // namespace gui
