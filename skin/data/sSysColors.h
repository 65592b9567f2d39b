// Resolution of system colours for the portable skin model. A colour value
// below 0 names a system colour (0xFF000000 plus its number); the Win32
// build installs the real source, the host uses the classic defaults.
#pragma once

#include <cstdint>

#include "skin/data/sSkinData.h"

namespace wakespan {

// System colour numbers the skin model falls back to.
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorHighlight = 13;
inline constexpr int kColorHighlightText = 14;
inline constexpr int kColorBtnFace = 15;

using SystemColorSource = TColor (*)(int index);

// Replaces the source of system colours (null restores the defaults).
void SetSystemColorSource(SystemColorSource source);
// The RGB value of system colour `index` (0..255).
TColor SystemColor(int index);
// `color` itself when it is 0 or above, else the system colour it names.
TColor ColorToRGB(TColor color);

}  // namespace wakespan
