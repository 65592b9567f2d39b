#pragma once
#include <windows.h>

namespace gui {

// Loads a 32-bit bitmap resource with straight alpha and premultiplies it, as
// AlphaBlend wants. Returns null when the resource is missing.
HBITMAP LoadAlphaBitmap(const wchar_t* resourceName);

// Makes every pixel of a premultiplied 32-bit picture either opaque (alpha of
// at least 128, colour restored) or fully transparent, in place. For windows
// whose see-through part is a colour key: a key can only cut whole pixels, so
// edges blended with the key colour would show as a fringe. Returns picture.
HBITMAP HardenAlpha(HBITMAP picture);

// Loads a 24- or 32-bit bitmap resource as a premultiplied 32-bit picture; a
// 24-bit one has its magenta pixels made transparent.
HBITMAP LoadPicture(const wchar_t* resourceName);

}  // namespace gui
