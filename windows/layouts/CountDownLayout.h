#pragma once
#include <vector>

#include "platform/gui/LayoutTables.h"

// The countdown window: its frame and its controls.
gui::FormLayout CountDownformLayout();
const std::vector<gui::ControlRow>& CountDownformRows();
