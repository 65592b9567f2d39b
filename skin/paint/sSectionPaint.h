// Painting a skin section into an item bitmap: its background (colour,
// gradient and texture mixed by percentages, then made partly transparent
// over the parent's background), its four corner images and its border.
//
// Parent coordinates: an item bitmap is painted with a parent description
// ci and the item's position pP; the parent pixel behind item pixel (x, y)
// is (ci.X + pP.X + x, ci.Y + pP.Y + y) of ci.Bmp. Nothing here raises or
// reports: invalid indexes, a missing manager or bitmap, an empty or
// negative rectangle paint nothing.
#pragma once

#include <string_view>

#include "skin/data/sSkinData.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

class TsSkinManager;
class TsCommonData;

// The custom colour meaning "the skin's colour", and the unknown-colour marker.
inline constexpr TColor kSkinColor = 0xFF00FF;

// What a section's fill is made of in one state.
struct TsFillChoice {
  TColor Color = 0;         // RGB
  int Transparency = 0;     // 0..100
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;  // none or empty: no gradient
  int Texture = -1;         // a mask index, or a pattern index when IsPattern
  bool IsPattern = false;
};

// The properties of section k for state S (hot for S != 0), with the
// texture looked up as the background painter does; a custom colour other
// than kSkinColor replaces colour, transparency, gradient and texture.
TsFillChoice ChooseFill(const TsSkinManager& M, int k, std::string_view name, TColor customColor,
                        int hotTexture, int texture, int S);

// The opaque fill of R in B: the texture (uncovered parts in the colour),
// the gradient over it or instead of it, then the colour taking what the
// image and gradient percentages leave (TintRect). ci (already shifted to
// B's origin) serves masked textures.
void PaintSectionFill(Bitmap& B, Rect R, const TsFillChoice& fill, const TsSkinManager& M,
                      const TCacheInfo& ci);

// The background of section k in R of B: the fill mixed over the parent
// background by the section's transparency, then, in state 0, a masked
// texture of draw mode 10.
void PaintSectionBackground(int k, std::string_view name, const TCacheInfo& ci, TColor customColor,
                            int hotTexture, int texture, TsSkinManager* M, Bitmap& B, Point pP,
                            Rect R, int S);

// Background, corner images and border image of section k into R of B.
// M none: the default manager. Texture indexes -1: looked up.
void PaintSection(int k, std::string_view name, TCacheInfo ci, bool filling, int S, Rect R, Point pP,
                  Bitmap* B, TsSkinManager* M, int texture = -1, int hotTexture = -1);

// The same from a control's skin data, with its custom colour and texture
// indexes: background, border image (with `updateCorners`), corner images.
void PaintSection(const TsCommonData& data, TCacheInfo ci, bool filling, int S, Rect R, Point pP,
                  Bitmap* B, bool updateCorners);

// Paints section k into a temporary 24-bit bitmap of R's size and copies it
// to R of dc, the context's state saved around the work.
void PaintSectionToDC(int k, std::string_view name, const TCacheInfo& ci, TsSkinManager* M,
                      DeviceContext dc, Point pP, Rect R, int S, bool filling);

}  // namespace wakespan
