// Text in a section's font colours, with optional one-pixel side colours.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/sSkinData.h"
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

// Where a control's text takes its font and, for a windowless control, its
// colours from.
struct TacTextSource {
  FontRef Font;              // the control's font; none keeps the canvas's
  bool Windowless = false;   // a control without a window ...
  bool ParentFont = false;   // ... that uses its parent's font
  const TsCommonData* SkinnedParent = nullptr;  // the nearest skinned parent's data
};

// The control's form: the control's font (underlined for the hot text of a
// "WEBBUTTON"), clipped to R; a windowless control using its parent's font
// whose section is see-through in the current state takes the colours of
// its nearest skinned parent's section. Disabled, the colour mixes with the
// skin's global colour; a control with FCustomFont draws only the text, in
// `ownFontColor`.
void WriteSkinText(const TsCommonData& data, DeviceContext canvas, std::u16string_view text, bool enabled,
                   bool hot, uint32_t format, Rect R, TColor ownFontColor, const TacTextSource& source = {});

}  // namespace wakespan
