#pragma once
#include <cstdint>
#include <vector>

#include "platform/gui/LayoutTables.h"

// The about window: its frame, its controls, and the colour of its two
// links (0x00BBGGRR).
gui::FormLayout AboutformLayout();
const std::vector<gui::ControlRow>& AboutformRows();
inline constexpr uint32_t kAboutLinkColor = 0xFF0000;
inline constexpr const wchar_t* kAboutformCaption = L"About...";
inline constexpr int kAboutformWidth = 365, kAboutformHeight = 159;  // the window, frame included
