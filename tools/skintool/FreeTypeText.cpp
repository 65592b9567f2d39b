#include "FreeTypeText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "skin/data/sSysColors.h"

namespace wakespan {

namespace {

// DrawTextW format bits the layout follows.
constexpr uint32_t kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8, kWordBreak = 0x10,
                   kSingleLine = 0x20, kNoClip = 0x100, kCalcRect = 0x400, kNoPrefix = 0x800,
                   kHidePrefix = 0x100000;

// GDI under Wine measures a text with the hinted outlines' advances but
// draws the font's embedded bitmaps, which advance less at small sizes: a
// measured text is a few pixels wider than its glyphs.
struct Glyph {
  int measured = 0;  // advance when measuring and aligning
  int advance = 0;   // advance when drawing
  int left = 0, top = 0;  // bitmap origin against the pen on the baseline
  int width = 0, rows = 0;
  std::vector<uint8_t> bits;  // one byte per pixel, 1 where the glyph is
};

// One line as shown: its characters after prefix handling, and which one
// the prefix underlines (-1: none).
struct ShownLine {
  std::u16string text;
  int underlined = -1;
};

ShownLine ShowLine(std::u16string_view line, uint32_t format) {
  ShownLine shown;
  for (size_t i = 0; i < line.size(); ++i) {
    if (!(format & kNoPrefix) && line[i] == u'&' && i + 1 < line.size()) {
      ++i;
      if (line[i] != u'&' && !(format & kHidePrefix)) shown.underlined = int(shown.text.size());
    }
    shown.text += line[i];
  }
  return shown;
}

// The text's lines: all of it when single-line, else split at line ends
// ("\r\n" or "\n").
std::vector<std::u16string_view> SplitLines(std::u16string_view text, uint32_t format) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  while (true) {
    const size_t end = (format & kSingleLine) ? text.size() : std::min(text.find(u'\n', start), text.size());
    std::u16string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end >= text.size()) return lines;
    start = end + 1;
  }
}

}  // namespace

struct FreeTypePaintPlatform::Library {
  FT_Library ft = nullptr;
  Library() {
    if (FT_Init_FreeType(&ft)) throw std::runtime_error("FreeType cannot start");
  }
  ~Library() { FT_Done_FreeType(ft); }
};

class FreeTypePaintPlatform::Face {
 public:
  Face(FT_Library library, const std::string& file, int pixelHeight) {
    if (FT_New_Face(library, file.c_str(), 0, &face_)) throw std::runtime_error("cannot read the font " + file);
    FT_Set_Pixel_Sizes(face_, 0, FT_UInt(pixelHeight));
    // The line height GDI gives: the Windows ascent and descent scaled to
    // the character height, rounded.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const int upem = std::max<int>(face_->units_per_EM, 1);
    const int winAscent = os2 ? os2->usWinAscent : face_->ascender;
    const int winDescent = os2 ? os2->usWinDescent : -face_->descender;
    ascent_ = (winAscent * pixelHeight * 2 + upem) / (2 * upem);
    descent_ = (winDescent * pixelHeight * 2 + upem) / (2 * upem);
  }
  ~Face() { FT_Done_Face(face_); }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  int Ascent() const { return ascent_; }
  int LineHeight() const { return ascent_ + descent_; }

  const Glyph& GlyphOf(char16_t c) {
    auto found = glyphs_.find(c);
    if (found != glyphs_.end()) return found->second;
    Glyph& g = glyphs_[c];
    const FT_UInt index = FT_Get_Char_Index(face_, c);
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP)) return g;
    g.measured = int((face_->glyph->advance.x + 32) >> 6);
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) ||
        FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_MONO))
      return g;
    const FT_GlyphSlot slot = face_->glyph;
    g.advance = int((slot->advance.x + 32) >> 6);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(slot->bitmap.width);
    g.rows = int(slot->bitmap.rows);
    g.bits.resize(size_t(g.width) * size_t(g.rows));
    for (int y = 0; y < g.rows; ++y) {
      const uint8_t* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
      for (int x = 0; x < g.width; ++x) g.bits[size_t(y * g.width + x)] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return g;
  }

  int Width(std::u16string_view text) {
    int width = 0;
    for (const char16_t c : text) width += GlyphOf(c).measured;
    return width;
  }

 private:
  FT_Face face_ = nullptr;
  int ascent_ = 0, descent_ = 0;
  std::unordered_map<char16_t, Glyph> glyphs_;
};

FreeTypePaintPlatform::FreeTypePaintPlatform(std::string fontDirectory)
    : directory_(std::move(fontDirectory)), library_(std::make_unique<Library>()) {
  FaceOf(FontRef{});  // the default font must be there
}

FreeTypePaintPlatform::~FreeTypePaintPlatform() = default;

FontRef FreeTypePaintPlatform::Font(const PreviewFont& font) {
  std::string file = font.Face;
  std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  file = directory_ + "/" + file + (font.Bold ? "bd" : "") + ".ttf";
  const std::string key = file + "/" + std::to_string(font.PixelHeight);
  auto& face = faces_[key];
  if (!face) face = std::make_unique<Face>(library_->ft, file, font.PixelHeight);
  return FontRef{face.get()};
}

FreeTypePaintPlatform::Face& FreeTypePaintPlatform::FaceOf(FontRef font) {
  if (font.Handle) return *static_cast<Face*>(font.Handle);
  return *static_cast<Face*>(Font(PreviewFont{}).Handle);
}

DeviceContext FreeTypePaintPlatform::OpenBitmapCanvas(Bitmap& B, Rect area, FontRef font) {
  selected_[&B] = Selection{font, false};
  return HostPaintPlatform::OpenBitmapCanvas(B, area, font);
}

void FreeTypePaintPlatform::SelectFont(DeviceContext dc, FontRef font, bool underline) {
  selected_[static_cast<const Bitmap*>(dc.Handle)] = Selection{font, underline};
}

void FreeTypePaintPlatform::OutputText(DeviceContext dc, std::u16string_view text, Rect R, uint32_t format,
                                       TColor color) {
  auto* B = static_cast<Bitmap*>(dc.Handle);
  if (!B) return;
  const Selection selection = selected_[B];
  DrawText(*B, selection.font, selection.underline, text, R, format, color);
}

Size FreeTypePaintPlatform::MeasureText(FontRef font, std::u16string_view text, uint32_t format, int widthLimit) {
  Face& face = FaceOf(font);
  const std::vector<std::u16string_view> lines = SplitLines(text, format);
  int widest = 0;
  for (const std::u16string_view line : lines) {
    int width = face.Width(ShowLine(line, format).text);
    if ((format & kWordBreak) && widthLimit > 0 && width > widthLimit) width = widthLimit;
    widest = std::max(widest, width);
  }
  // Measured in a rectangle of no height, as the program measures: a
  // single line centred or put at the bottom moves up by half or all of
  // its height, and the measure keeps the rectangle's top.
  int height = int(lines.size()) * face.LineHeight();
  if ((format & kSingleLine) && (format & kVCenter)) height += -height / 2;
  else if ((format & kSingleLine) && (format & kBottom)) height = 0;
  return Size{widest, height};
}

void FreeTypePaintPlatform::DrawText(Bitmap& B, FontRef font, bool underline, std::u16string_view text, Rect R,
                                     uint32_t format, TColor color) {
  if (format & kCalcRect) return;
  Face& face = FaceOf(font);
  const uint32_t rgb = uint32_t(ColorToRGB(color)) | 0xFF000000;  // opaque on 32-bit bitmaps
  const Rect clip = (format & kNoClip) ? Rect{0, 0, B.Width(), B.Height()}
                                       : Rect{std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, B.Width()),
                                              std::min(R.Bottom, B.Height())};
  const auto plot = [&](int x, int y) {
    if (x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom) B.SetPixel(x, y, rgb);
  };
  // With word breaking a line breaks before a word that would pass the
  // right edge.
  std::vector<std::u16string_view> lines;
  for (std::u16string_view line : SplitLines(text, format)) {
    while ((format & kWordBreak) && face.Width(ShowLine(line, format).text) > R.Width()) {
      size_t cut = line.size();
      while (cut > 0 && face.Width(ShowLine(line.substr(0, cut), format).text) > R.Width()) {
        const size_t blank = line.substr(0, cut).find_last_of(u' ');
        if (blank == std::u16string_view::npos || blank == 0) break;
        cut = blank;
      }
      if (cut == 0 || cut == line.size()) break;
      lines.push_back(line.substr(0, cut));
      line = line.substr(cut + 1);
    }
    lines.push_back(line);
  }
  const int h = face.LineHeight();
  int y = R.Top;
  if (format & kSingleLine) {
    if (format & kVCenter) y = R.Top + (R.Height() - h) / 2;
    if (format & kBottom) y = R.Bottom - h;
  }
  for (const std::u16string_view line : lines) {
    const ShownLine shown = ShowLine(line, format);
    const int width = face.Width(shown.text);
    int x = R.Left;
    if (format & kCenter) x = R.Left + (R.Width() - width) / 2;
    if (format & kRight) x = R.Right - width;
    const int baseline = y + face.Ascent();
    for (size_t i = 0; i < shown.text.size(); ++i) {
      const Glyph& g = face.GlyphOf(shown.text[i]);
      for (int gy = 0; gy < g.rows; ++gy)
        for (int gx = 0; gx < g.width; ++gx)
          if (g.bits[size_t(gy * g.width + gx)]) plot(x + g.left + gx, baseline - g.top + gy);
      if (underline || int(i) == shown.underlined)
        for (int ux = 0; ux < g.advance; ++ux) plot(x + ux, baseline + 1);
      x += g.advance;
    }
    y += h;
  }
}

void FreeTypePaintPlatform::DrawFocusRect(DeviceContext dc, Rect R) {
  HostPaintPlatform::DrawFocusRect(dc, R);
  auto* B = static_cast<Bitmap*>(dc.Handle);
  if (!B || R.IsEmpty()) return;
  // Every other pixel of the outline inverted, in a checkerboard that
  // starts at the bitmap's origin.
  const auto invert = [B](int x, int y) {
    if (x < 0 || y < 0 || x >= B->Width() || y >= B->Height() || (x + y) % 2) return;
    B->SetPixel(x, y, ~B->Pixel(x, y) | 0xFF000000);
  };
  for (int x = R.Left; x < R.Right; ++x) invert(x, R.Top), invert(x, R.Bottom - 1);
  for (int y = R.Top + 1; y < R.Bottom - 1; ++y) invert(R.Left, y), invert(R.Right - 1, y);
}

}  // namespace wakespan
