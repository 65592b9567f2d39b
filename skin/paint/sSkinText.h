// Text in a section's font colours, with optional one-pixel side colours.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TsSkinManager;
class TsCommonData;

// Draws `text` into R of the canvas with section k's colours: enabled, the
// side colours that are set (left at R one pixel left, top one up, right
// one right, bottom one down, in this order) and then the text colour at R
// (HotFontColor when hot, else FontColor); disabled, once in the text
// colour mixed with the section colour (0.4 of the text colour). Nothing
// for an empty text, no manager (the default one is taken when M is none)
// or an invalid section. `format` is DrawTextW's.
void WriteSkinText(DeviceContext canvas, std::u16string_view text, bool enabled, TsSkinManager* M,
                   bool hot, int k, uint32_t format, Rect R);

// The control's form: clipped to R; the disabled colour mixes with the
// skin's global colour; a control with FCustomFont draws only the text, in
// `ownFontColor`.
void WriteSkinText(const TsCommonData& data, DeviceContext canvas, std::u16string_view text, bool enabled,
                   bool hot, uint32_t format, Rect R, TColor ownFontColor);

}  // namespace wakespan
