// What the frame's interactive rules read of a skinned form: its hit-test
// measures, the context of a title button's repaint and the click table's
// view of the form, all from the same scene the frame is rendered from.
#pragma once

#include "skin/frame/sFrameClicks.h"
#include "skin/frame/sFrameHitTest.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sSystemMenuRules.h"
#include "skin/frame/sTitleButtonStates.h"

namespace wakespan {

class TsSkinModel;

TsFrameHitInput FrameHitInput(const TsFrameScene& scene, const TsSkinModel& m);
TsButtonPaintContext ButtonPaintContext(const TsFrameScene& scene, const TsFrameCache& fc, const TsSkinModel& m,
                                        bool glowingPossible);
// The system menu's view of a form: its border, border icons and state.
TsSysMenuForm SysMenuForm(const TsFrameWindow& w, bool haveSysMenu, bool helpIcon);
TsClickForm ClickForm(const TsFrameScene& scene, bool isMainForm, bool pressed, bool skinnedPopups);

}  // namespace wakespan
