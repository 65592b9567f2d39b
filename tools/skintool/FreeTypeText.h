// Text for the previews: the host paint platform with real glyphs. Fonts
// are the TrueType files the Wine session installs, drawn as GDI draws
// them without font smoothing: hinted outlines filled in one colour, no
// kerning, laid out as DrawTextW lays out a text (lines, word breaks,
// alignment, the "&" prefix underline, clipping to the rectangle).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {

// A font as a Windows LOGFONT names it: a face by name, a character height
// in pixels (a negative lfHeight), bold or not.
struct PreviewFont {
  std::string Face = "Tahoma";
  int PixelHeight = 11;
  bool Bold = false;
};

class FreeTypePaintPlatform : public HostPaintPlatform {
 public:
  // Faces are read from `fontDirectory` (tahoma.ttf, tahomabd.ttf, ...);
  // a face that cannot be read raises std::runtime_error naming the file.
  explicit FreeTypePaintPlatform(std::string fontDirectory);
  ~FreeTypePaintPlatform() override;

  // A font that lives as long as the platform; FontRef{} is Tahoma 11.
  FontRef Font(const PreviewFont& font);

  void OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format, TColor color) override;
  Size MeasureText(FontRef font, std::u16string_view text, uint32_t format, int widthLimit) override;
  DeviceContext OpenBitmapCanvas(Bitmap& B, Rect area, FontRef font) override;
  void SelectFont(DeviceContext dc, FontRef font, bool underline) override;
  void DrawFocusRect(DeviceContext dc, Rect R) override;

  // Draws `text` into B as DrawTextW with `format` would, in `font`.
  void DrawText(Bitmap& B, FontRef font, bool underline, std::u16string_view text, Rect R, uint32_t format,
                TColor color);

  class Face;

 private:
  Face& FaceOf(FontRef font);

  std::string directory_;
  struct Library;
  std::unique_ptr<Library> library_;
  std::unordered_map<std::string, std::unique_ptr<Face>> faces_;  // by "name/height/bold"
  struct Selection {
    FontRef font;
    bool underline = false;
  };
  std::unordered_map<const Bitmap*, Selection> selected_;  // the font each canvas draws in
};

}  // namespace wakespan
