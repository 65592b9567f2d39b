// Records of a skin's image tables, and the decoding of the image
// references written in the option text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/StretchCache.h"

namespace wakespan {

class TsSkinManager;

enum TacImgType : int16_t { itisaBorder = 0, itisaTexture, itisaGlyph, itisaGlow, itisaPngGlyph };
inline constexpr int kLastImgType = itisaPngGlyph;

// One image of the skin: a rectangle of the master bitmap or an own bitmap.
struct TsMaskData {
  std::shared_ptr<Bitmap> Bmp;  // own bitmap, or none when in the master bitmap
  std::string ClassName;        // section
  std::string PropertyName;     // key
  Rect R;
  int16_t ImageCount = 0;       // states side by side
  int16_t MaskType = 0;         // 1: a transparency mask below the image
  int16_t BorderWidth = 0;
  int16_t DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  TsSkinManager* Manager = nullptr;
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;  // fixed border widths
  // Painting's resampled parts of this image; copies of an entry start empty.
  mutable StretchCache Stretched;
};

// A pattern image of 90,000 pixels or more (held decoded).
struct TsPatternData {
  std::shared_ptr<Bitmap> Img;
  std::string ClassName;
  std::string PropertyName;
};

// A pattern of fewer pixels becomes a texture mask entry instead.
inline constexpr int64_t kMinPatternPixels = 90000;

// What an option value says about an image, before the image is loaded.
struct ImageReference {
  enum Kind { None, Master, File } kind = None;
  std::string fileName;   // File: the name as written
  bool ownBorders = false;  // File: borders given in the value
  TsMaskData entry;       // every field the value fixes
};

// Decodes one option value (the "@" glyph, "^" border mask, "~" texture,
// "!" image file and bare ".BMP" file forms). A numeric field that is not a
// number raises ESkinError naming the bad text. Values of the older "#"
// notation, and everything else, give Kind None.
ImageReference ParseImageReference(std::string_view section, std::string_view key, std::string_view value);

// The border rule: when WL + WT + WR + WB is 0, a non-zero BorderWidth
// gives all four; otherwise WL = WR = width(R) div (ImageCount * 3) and
// WT = WB = height(R) div ((MaskType + 1) * 3), where a divisor of 0 or
// below gives 0.
void ComputeMaskBorders(TsMaskData& mask);

// Integer division that gives 0 for a divisor of 0 or below.
inline int32_t DivOrZero(int32_t value, int32_t divisor) { return divisor > 0 ? value / divisor : 0; }

// Width of one state (R width div ImageCount) and height of one row
// (R height div (MaskType + 1)), 0 when the divisor is 0 or below.
inline int32_t StateWidth(const TsMaskData& m) { return DivOrZero(m.R.Width(), m.ImageCount); }
inline int32_t StateHeight(const TsMaskData& m) { return DivOrZero(m.R.Height(), m.MaskType + 1); }

}  // namespace wakespan
