#pragma once
#include <windows.h>

namespace gui {

// Loads a 32-bit bitmap resource with straight alpha and premultiplies it, as
// AlphaBlend wants. Returns null when the resource is missing.
HBITMAP LoadAlphaBitmap(const wchar_t* resourceName);

}  // namespace gui
