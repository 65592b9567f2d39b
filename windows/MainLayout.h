#pragma once
#include <vector>

#include "platform/gui/Layout.h"

// The settings window's controls, in tab order within each parent.
const std::vector<gui::ControlRow>& MainformLayout();
