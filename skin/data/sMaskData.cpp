#include "skin/data/sMaskData.h"

#include <algorithm>
#include <vector>

#include "skin/data/acMemIni.h"
#include "skin/data/acSkinPack.h"

namespace wakespan {

namespace {

int32_t ToInteger(std::string_view text) {
  // Fields of up to four plain digits, nearly all of them, are read here;
  // anything else takes the full integer rules.
  if (!text.empty() && text.size() <= 4) {
    int32_t digits = 0;
    size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) digits = digits * 10 + (text[i] - '0');
    if (i == text.size()) return digits;
  }
  const std::optional<int32_t> v = ParseSkinInteger(text);
  if (!v) throw ESkinError("'" + std::string(text) + "' is not a valid integer value");
  return *v;
}

// The fixed-width field at 1-based position `pos`; short values give a
// shorter (possibly empty) text, which then fails to convert.
int32_t FixedField(std::string_view value, size_t pos, size_t length) {
  return ToInteger(pos - 1 < value.size() ? value.substr(pos - 1, length) : std::string_view());
}

// The rectangle all three master-bitmap forms start with.
Rect MasterRect(std::string_view v) {
  return Rect{FixedField(v, 2, 4), FixedField(v, 7, 4), FixedField(v, 12, 4), FixedField(v, 17, 4)};
}

std::vector<std::string_view> SplitNonEmpty(std::string_view value, char separator) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos <= value.size()) {
    size_t end = value.find(separator, pos);
    if (end == std::string_view::npos) end = value.size();
    if (end > pos) words.push_back(value.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

void ParseGlyph(std::string_view v, TsMaskData& m) {  // @LLLL@TTTT@RRRR@BBBB@C@M
  m.R = MasterRect(v);
  m.ImageCount = int16_t(FixedField(v, 22, 1));
  m.MaskType = int16_t(FixedField(v, 24, 1));
  m.ImgType = itisaGlyph;
}

void ParseBorderMask(std::string_view v, TsMaskData& m) {  // ^rect^aaaa^bbbb^cccc^dddd^C^M^D^W
  m.R = MasterRect(v);
  m.WL = int16_t(FixedField(v, 22, 4));
  m.WT = int16_t(FixedField(v, 27, 4));
  m.WR = int16_t(FixedField(v, 32, 4));
  m.WB = int16_t(FixedField(v, 37, 4));
  m.ImageCount = int16_t(FixedField(v, 42, 1));
  m.MaskType = int16_t(FixedField(v, 44, 1));
  m.DrawMode = int16_t(FixedField(v, 46, 1));
  m.BorderWidth = int16_t(FixedField(v, 48, 1));
  m.ImgType = itisaBorder;
  ComputeMaskBorders(m);
}

void ParseTexture(std::string_view v, TsMaskData& m) {  // ~rect~DD~M
  m.R = MasterRect(v);
  m.DrawMode = int16_t(FixedField(v, 22, 2));
  m.MaskType = v.size() > 24 ? int16_t(FixedField(v, 25, 1)) : int16_t(0);
  m.ImageCount = 1;
  m.ImgType = itisaTexture;
}

// !name!C!M!type[!WL!WT!WR!WB]; the bitmap and R come later with the image.
bool ParseImageFile(std::string_view v, ImageReference& ref) {
  const std::vector<std::string_view> f = SplitNonEmpty(v, '!');
  if (f.empty() || (!ContainsIgnoringCase(f[0], ".BMP") && !ContainsIgnoringCase(f[0], ".PNG"))) return false;
  auto field = [&f](size_t i) { return ToInteger(i < f.size() ? f[i] : std::string_view()); };
  TsMaskData& m = ref.entry;
  ref.fileName = std::string(f[0]);
  m.ImageCount = int16_t(field(1));
  m.MaskType = int16_t(field(2));
  // Types beyond the known ones would index past the image kinds.
  m.ImgType = TacImgType(std::clamp(field(3), 0, kLastImgType));
  m.DrawMode = 4;
  if (f.size() > 4) {
    m.WL = int16_t(field(4));
    m.WT = int16_t(field(5));
    m.WR = int16_t(field(6));
    m.WB = int16_t(field(7));
    ref.ownBorders = true;
  }
  return true;
}

// A plain ".BMP" file name; most option values are no image at all, so
// they are turned away before anything is copied.
ImageReference ParseBareFileName(std::string_view section, std::string_view key, std::string_view value) {
  ImageReference ref;
  // The older "#" coordinate notation is not supported: such values add nothing.
  if (value.find('#') != std::string_view::npos || !ContainsIgnoringCase(value, ".BMP")) return ref;
  TsMaskData& m = ref.entry;
  ref.kind = ImageReference::File;
  ref.fileName = std::string(value);
  m.ClassName = UpperCase(std::string(section));
  m.PropertyName = UpperCase(std::string(key));
  m.ImageCount = 3;
  m.MaskType = 1;
  // No draw mode is given for this form, so it stays 0: the border
  // painter lays the edges but no centre.
  m.ImgType = itisaBorder;
  return ref;
}

}  // namespace

void ComputeMaskBorders(TsMaskData& m) {
  if (m.WL + m.WT + m.WR + m.WB != 0) return;
  if (m.BorderWidth != 0) {
    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
    return;
  }
  m.WL = m.WR = int16_t(DivOrZero(m.R.Width(), m.ImageCount * 3));
  m.WT = m.WB = int16_t(DivOrZero(m.R.Height(), (m.MaskType + 1) * 3));
}

ImageReference ParseImageReference(std::string_view section, std::string_view key, std::string_view value) {
  ImageReference ref;
  TsMaskData& m = ref.entry;
  if (value.empty()) return ref;
  switch (value[0]) {
    case '@':
      ParseGlyph(value, m);
      ref.kind = ImageReference::Master;
      break;
    case '^':
      ParseBorderMask(value, m);
      ref.kind = ImageReference::Master;
      break;
    case '~':
      ParseTexture(value, m);
      ref.kind = ImageReference::Master;
      break;
    case '!':
      if (!ParseImageFile(value, ref)) return ref;
      ref.kind = ImageReference::File;
      break;
    default:
      return ParseBareFileName(section, key, value);
  }
  // Names are copied only for values that do describe an image.
  m.ClassName = std::string(section);
  m.PropertyName = std::string(key);
  return ref;
}

}  // namespace wakespan
