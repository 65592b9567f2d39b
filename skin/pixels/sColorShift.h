// The two colour transforms with which a loaded skin's colours are shifted
// (saturation change and hue rotation), for single colours and for every
// pixel of a skin bitmap. Colours are 0x00BBGGRR; the top byte is kept.
#pragma once

#include <cstdint>

#include "skin/pixels/Bitmap.h"

namespace wakespan {

// Nothing when amount is 0; otherwise with m = (red + green + blue) / 3
// (real) each channel becomes round(channel + amount * (m - channel) / 100),
// ties to even, limited to 0..255. Amount 100 makes every colour grey,
// negative amounts move channels away from the grey.
uint32_t ScaleSaturation(uint32_t color, int amount);

// The amount ScaleSaturation takes for a manager's saturation setting:
// (-saturation) rem 101, the remainder taking the sign of the dividend.
int SaturationAmount(int saturation);

// Hue rotation by `delta` degrees through HSV: V = max, S = (max - min) / max,
// H from the largest channel (red first, then green, then blue). A colour
// with S = 0 (grey or black) is returned unchanged. H' = round(H + delta)
// taken into 0..359; sector i = H' div 60, f = H' / 60 - i; p = V(1 - S),
// q = V(1 - fS), t = V(1 - (1 - f)S), each rounded (ties to even) and limited
// to 0..255; sectors 0..5 give (R, G, B) = (V, t, p), (q, V, p), (p, V, t),
// (p, q, V), (t, p, V), (V, p, q).
uint32_t RotateHue(int delta, uint32_t color);

// Apply the transforms to every pixel of a 24- or 32-bit bitmap except
// pixels of the key colour (compared on blue, green, red) and grey pixels
// (red = green = blue). Alpha stays.
void ScaleBitmapSaturation(Bitmap& bitmap, int amount, uint32_t key);
void RotateBitmapHue(Bitmap& bitmap, int delta, uint32_t key);

}  // namespace wakespan
