// The title buttons of a skinned frame: which skin image each shows, their
// sizes and where they sit in the title bar.
#pragma once

#include <cstdint>

#include "skin/frame/sFrameWindow.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TsSkinModel;

// Hit codes of the title buttons (the system's).
inline constexpr uint32_t kHitMinButton = 8;
inline constexpr uint32_t kHitMaxButton = 9;
inline constexpr uint32_t kHitClose = 20;
inline constexpr uint32_t kHitHelp = 21;
// The system's other non-client hit codes the skinned frame answers.
inline constexpr uint32_t kHitNowhere = 0;
inline constexpr uint32_t kHitClient = 1;
inline constexpr uint32_t kHitCaption = 2;
inline constexpr uint32_t kHitSysMenu = 3;
inline constexpr uint32_t kHitMenu = 5;
inline constexpr uint32_t kHitLeft = 10;
inline constexpr uint32_t kHitRight = 11;
inline constexpr uint32_t kHitTop = 12;
inline constexpr uint32_t kHitTopLeft = 13;
inline constexpr uint32_t kHitTopRight = 14;
inline constexpr uint32_t kHitBottom = 15;
inline constexpr uint32_t kHitBottomLeft = 16;
inline constexpr uint32_t kHitBottomRight = 17;
// The engine's own code of user title button i is kHitUserButton + i.
inline constexpr uint32_t kHitUserButton = 1000;

struct TsCaptionButton {
  int State = 0;        // 0 normal, 1 hot, 2 pressed, -1 none
  int ImageIndex = -1;  // mask index
  Rect R;               // window coordinates; kept while not laid out
  bool HaveAlignment = false;  // placed by the skin's vertical alignment
  uint32_t HitCode = 0;
};

struct TsTitleButtons {
  TsCaptionButton Min{0, -1, {}, false, kHitMinButton};
  TsCaptionButton Max{0, -1, {}, false, kHitMaxButton};
  TsCaptionButton Close{0, -1, {}, false, kHitClose};
  TsCaptionButton Help{0, -1, {}, false, kHitHelp};
};

// Which title buttons a form has and whether their commands are enabled:
// what the form's system menu says.
struct TsTitleButtonRules {
  bool HaveSysMenu = false;
  bool ShowMax = false;
  bool ShowMin = false;
  bool ShowHelp = false;
  bool EnabledMax = true;
  bool EnabledMin = true;
  bool EnabledRestore = true;
};

// The rules read from the window's styles alone: the buttons follow the
// system-menu, maximize-box and minimize-box styles, every command enabled.
TsTitleButtonRules RulesFromStyle(uint32_t style, bool haveSysMenu, bool helpIcon);

// Big buttons (single and sizeable frames) or small ones.
bool HasBigButtons(TsBorderStyle border);

// Picks the images from "GLOBALINFO"; nothing without that section.
// Maximized, the maximize button shows the restore image; minimized, the
// minimize button does.
void AssignTitleButtonImages(TsTitleButtons& buttons, const TsSkinModel& m, TsBorderStyle border,
                             const TsTitleButtonRules& rules, bool maximized, bool minimized, int formSection);

// A button's width (one state of its image) and the common height (one
// state of the close image); 21 for whichever image is missing.
Size ButtonSize(const TsSkinModel& m, const TsTitleButtons& buttons, const TsCaptionButton& button);
// BISpacing for big buttons, else 0.
int ButtonSpacing(const TsSkinModel& m, TsBorderStyle border);
int TitleButtonsWidth(const TsSkinModel& m, const TsTitleButtons& buttons, TsBorderStyle border,
                      const TsTitleButtonRules& rules);

// Places the shown buttons whose images are valid from the right edge
// leftwards: close, maximize, minimize, help.
void LayoutTitleButtons(TsTitleButtons& buttons, const TsSkinModel& m, const TsFrameWindow& w,
                        const TsTitleButtonRules& rules);

// The glyph mode a button is drawn with: faded in state 0 when the form is
// inactive or the button's command is disabled.
int TitleButtonGlyphMode(const TsCaptionButton& button, bool formActive, bool commandEnabled);
// Whether the maximize button can be pressed: maximizing is enabled, or the
// form is maximized and restoring is.
bool MaxButtonActive(const TsTitleButtonRules& rules, bool maximized);
// Whether the button's command counts as enabled for drawing.
bool TitleButtonEnabled(const TsTitleButtons& buttons, const TsCaptionButton& button,
                        const TsTitleButtonRules& rules, bool maximized, bool minimized);

}  // namespace wakespan
