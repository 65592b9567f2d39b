// The background query: how a child learns what lies behind it, by asking
// its parent window or control with the engine's background command.
#pragma once

#include <cstdint>

#include "skin/data/sSkinData.h"
#include "skin/paint/sControlLinks.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

class TsCommonData;

// The record exchanged with a parent (its address travels in lParam).
struct BackgroundInfo {
  enum : uint8_t { kNothing = 0, kColor = 1, kCacheBitmap = 2 };

  const wakespan::Bitmap* Bitmap = nullptr;  // the parent's cache bitmap
  TColor Color = 0;
  int32_t OffsetX = 0;  // the asker's position inside Bitmap
  int32_t OffsetY = 0;
  wakespan::Rect Rect;  // what to paint when painting is requested
  uint8_t Kind = kNothing;
  uint8_t PaintRequested = 0;
  DeviceContext TargetDC;
};

// Kind 2: the parent's bitmap at the offsets; otherwise not ready, with
// the colour as RGB.
TCacheInfo ToCacheInfo(const BackgroundInfo& info);

// Asks `parent` about its background (see BackgroundInfo); `flag` becomes
// the record's PaintRequested. True when the parent answered. Unanswered:
// with painting requested on arrival the parent paints itself into
// TargetDC under the asker's offset and clip; otherwise the record gets
// kind 1 with the parent's colour (a window: the skin's global colour, or
// the button-face colour without a manager; a control: its answer to the
// colour command, or its own colour when it answers 0).
bool QueryParentBackground(BackgroundInfo& info, TacControlLink& parent, uint8_t flag);

// The parent description of a control: its parent's answer, its own
// position added to a cache bitmap's offsets; without a parent, or when not
// skinned, not ready with the control's background colour.
TCacheInfo ParentCacheInfo(const TsCommonData& data);

// The answering side, run for a child's background query by a skinned
// control or form with its skin data, for a state (0 normal, else hot): a
// plain colour for unskinned or custom-coloured data; a see-through section
// with narrow borders passes the query on to its own parent (its position
// added to a bitmap answer's offsets); a partly transparent, textured or
// wide-bordered see-through one answers with its cache bitmap; a plain
// coloured one with its background colour. With painting requested the
// answer is also painted into the record's TargetDC.
void AnswerBackgroundQuery(const TsCommonData& data, BackgroundInfo& info, int state);

}  // namespace wakespan
