#include "platform/gui/Dialogs.h"

namespace gui {

void ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT icon) {
  // Task-modal: every window of the program waits for the answer.
  MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL | icon);
}

void ShowInformation(const std::wstring& text) { ShowMessageBox(text, L"Information", MB_ICONINFORMATION); }

void ShowErrorMessage(const std::wstring& text) { ShowMessageBox(text, L"Error", MB_ICONERROR); }

}  // namespace gui
