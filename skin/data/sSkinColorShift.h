// Shifting the colours of a loaded skin by the manager's HueOffset and
// Saturation.
#pragma once

namespace wakespan {

class TsSkinModel;

// Saturation first, then hue, each only when its amount is not 0. Both
// change every pixel of the master bitmap and of the entries' own bitmaps
// except key-colour and grey pixels; saturation also changes the section
// colours, font and side colours, gradient colours and the skin data's
// Shadow1Color and BorderColor (system colours stay references). The
// title-bar icons named by BIKeepHUE keep their pixels through the hue shift.
void ApplySkinColorShift(TsSkinModel& model, int hueOffset, int saturation);

}  // namespace wakespan
