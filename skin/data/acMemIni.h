// In-memory reader of a skin's option text (INI form).
//
// Rules: lines end with CR LF (a lone CR or LF also ends a line); every line
// is trimmed of blanks; empty lines and lines starting with ";" are skipped;
// "[name]" opens a section (name trimmed; a repeated name opens a second
// section, reading by name finds the first); any other line is split at its
// first "=" into a trimmed key and value (no "=": a key without value);
// lines before the first section are ignored. Section and key names are
// matched ignoring ASCII letter case. The text is 8-bit; a UTF-8 byte-order
// mark is dropped and UTF-16 text (with its mark) is converted to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/FirstIndex.h"

namespace wakespan {

// Equality with ASCII letter case ignored. Inline: most calls compare
// names of different lengths and end at the first test.
inline bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

struct SameTextAsciiEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameTextAscii(a, b); }
};

// Names and values are views into the text the reader keeps.
struct TacIniKey {
  std::string_view Name;
  std::string_view Value;
};

struct TacIniSection {
  std::string_view Name;
  std::vector<TacIniKey> Keys;  // in file order

  // Value of the first key of that name (letter case ignored), or null.
  const std::string_view* Find(std::string_view key) const;
};

class TacMemIni {
 public:
  TacMemIni() = default;
  explicit TacMemIni(std::string_view text) { SetText(text); }
  // Sections and keys point into the reader's own copy of the text.
  TacMemIni(const TacMemIni&) = delete;
  TacMemIni& operator=(const TacMemIni&) = delete;

  void SetText(std::string_view text);

  const std::vector<TacIniSection>& Sections() const { return sections_; }
  // First section of that name (letter case ignored), or null.
  const TacIniSection* FindSection(std::string_view section) const;
  // The value when the key is present (an empty value counts as present),
  // else null.
  const std::string_view* Find(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
  // An absent key, an empty value or a value that is not a number give `def`.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

 private:
  std::string text_;
  std::vector<TacIniSection> sections_;
  FirstIndex<std::string_view, SameTextAsciiEqual> firstSection_;
};

// Integer text as the option text writes it: decimal with an optional
// leading "-" or "+", or hexadecimal after "$" or "0x" (up to 32 bits,
// taken as the signed value of those bits). Leading blanks are skipped.
std::optional<int32_t> ParseSkinInteger(std::string_view text);

// Decimal real with "." as separator whatever the locale.
std::optional<double> ParseSkinFloat(std::string_view text);

// Whether `text` holds `part` with letter case ignored, without copying.
// `part` must start with a character that is no letter (such as the "." of
// an extension): only the places of that character are tried.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
std::string_view TrimBlanks(std::string_view text);

}  // namespace wakespan
