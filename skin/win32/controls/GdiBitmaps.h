// Pictures of the framework's buttons read into the engine's bitmaps.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skin/pixels/Bitmap.h"

namespace wakespan {

// The pixels of a bitmap handle as a 32-bit bitmap (empty on failure).
Bitmap BitmapFromHandle(HBITMAP handle);
// The images of an image list side by side, drawn with their alpha over
// transparent black (so premultiplied), as a 32-bit bitmap.
Bitmap ImageListStrip(HIMAGELIST list);

}  // namespace wakespan
