// Sends one engine command over the program's real windows: the
// application's forms with their controls, the forms of the provider list
// and the visible windows of the hook's list, walked by the engine's rules.
#pragma once

#include <windows.h>

namespace wakespan {

// Every delivery carries this wParam and lParam.
void BroadcastCommand(WPARAM wParam, LPARAM lParam);

// The command to one window.
LRESULT SendEngineCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Whether the window answers the handled query.
bool AnswersHandledQuery(HWND window);

}  // namespace wakespan
