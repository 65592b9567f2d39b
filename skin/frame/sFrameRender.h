// A skinned form's window-sized cache: the whole window (frame, title bar,
// menu bar background and client background) painted from the skin, and
// the bitmaps kept beside it for the title buttons and the menu bar.
#pragma once

#include <functional>
#include <string>

#include "skin/frame/sFrameWindow.h"
#include "skin/frame/sTitleButtons.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Bitmap.h"

namespace wakespan {

class TsSkinManager;
struct BackgroundInfo;

// The form's paint state. Data holds the "FORM" section's indexes and the
// cache; the other bitmaps are rebuilt by each rendering.
struct TsFrameCache {
  TsCommonData Data;
  TsTitleButtons Buttons;
  Bitmap TempBmp;      // the title strip under the buttons, without them
  Bitmap TitleBG;      // the title strip, behind a "CAPTION" plate
  Bitmap MenuLineBmp;  // the menu bar's background
  int TitleSkinIndex = -1;
  int CaptionSkinIndex = -1;
  bool PlainClient = false;  // the form section is a plain colour

  // Binds to `manager`'s current skin: section indexes of "FORM", the
  // title section and "CAPTION"; the cache is stale afterwards.
  void ReadSkin(TsSkinManager* manager);
  // The skin is gone: indexes -1 and the bitmaps freed.
  void Release();
};

// What a rendering needs to know beyond the window's geometry.
struct TsFrameScene {
  TsFrameWindow Window;
  TsTitleButtonRules Rules;
  bool FormActive = true;
  bool Enabled = true;
  bool ShowIcon = false;
  Size IconSize;  // 0 x 0: from the caption height
  bool GripRightBottom = false;
  TColor FormOwnColor = 0;  // the form's own colour, for an unskinned form
  std::u16string Caption;
  FontRef CaptionFont;
  TsCaptionAlignment Alignment = TsCaptionAlignment::Left;
  // Draws the form's icon into a rectangle of the cache.
  std::function<void(Bitmap& cache, Rect where)> DrawIcon;
  // Paints the menu bar's items over their background in the cache;
  // `lineOrigin` is the cache point where the background's (0, 0) lies.
  std::function<void(Bitmap& cache, const Bitmap& menuLine, Point lineOrigin)> PaintMenuBarItems;
};

// Where the form's icon sits in the window; empty when no icon is shown.
Rect FrameIconRect(const TsFrameScene& scene, const TsSkinModel& m);

// The form's background colour for its activity.
TColor FormColor(const TsFrameCache& cache, const TsFrameScene& scene);

// Paints the whole window into the cache when it is stale (BGChanged):
// creates or resizes it, paints the form section, the grip, the title bar
// with icon, title-bar plate, caption text and title buttons, and the menu
// bar's background. True when it painted.
bool RenderFrame(TsFrameCache& cache, const TsFrameScene& scene);

// Answers a child's background query from the cache: renders it first when
// stale, then answers with the client origin so that the asker, adding its
// own client position, lands in the window-sized cache.
void AnswerFormBackground(TsFrameCache& cache, const TsFrameScene& scene, BackgroundInfo& info);

}  // namespace wakespan
