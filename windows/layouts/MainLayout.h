#pragma once
#include <vector>

#include "platform/gui/LayoutTables.h"

// The settings window: its frame and client size, and its caption once
// the program has started.
gui::FormLayout MainformFormLayout();
inline constexpr const wchar_t* kMainformCaption = L"Kovalune Wakespan v1.0";
inline constexpr int kMainformWidth = 357, kMainformHeight = 389;  // the window, frame included
// The settings window's controls, in tab order within each parent.
const std::vector<gui::ControlRow>& MainformLayout();
