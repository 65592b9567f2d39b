#pragma once
#include <vector>

#include "platform/gui/LayoutTables.h"

// The countdown window: its frame and its controls.
gui::FormLayout CountDownformLayout();
const std::vector<gui::ControlRow>& CountDownformRows();
inline constexpr const wchar_t* kCountDownformCaption = L"CountDown...";
inline constexpr int kCountDownformWidth = 354, kCountDownformHeight = 119;  // the window, frame included
