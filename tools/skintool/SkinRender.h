// The render command: paints one section or glyph of a skin the way the
// engine paints a control's bitmap, for skin authors to look at.
//   skintool render SKIN SECTION WxH [--state N] [--parent none|#RRGGBB|FILE.png]
//                   [--no-fill] [--control] [--glyph KEY --at X,Y [--mode G]] --out OUT.png
#pragma once

#include <string>
#include <vector>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

struct RenderRequest {
  std::string Skin;     // a packed .asz file or a directory with Options.dat
  std::string Section;
  int Width = 0, Height = 0;
  int State = 0;
  // The parent: not ready with a colour (0xFF00FF for "none"), or a picture.
  uint32_t ParentColor = 0xFF00FF;
  std::string ParentPicture;
  bool Filling = true;
  bool ControlForm = false;
  std::string GlyphKey;  // empty: paint the section
  Point At;
  int GlyphMode = 1;
  std::string Out;
};

// Reads the arguments that follow "render"; raises ESkinError with the
// reason when they are incomplete or malformed.
RenderRequest ParseRenderArguments(const std::vector<std::string>& args);

// The item bitmap (24-bit, black to start) painted as requested; raises
// ESkinError for a skin that cannot be loaded, an unknown section or glyph
// key, or an unreadable parent picture.
Bitmap RenderSkinImage(const RenderRequest& request);

// Writes a 24-bit bitmap as an RGB PNG file; raises ESkinError on failure.
void WritePng24(const Bitmap& image, const std::string& fileName);

}  // namespace wakespan
