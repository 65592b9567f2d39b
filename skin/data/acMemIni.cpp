#include "skin/data/acMemIni.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace wakespan {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\0' || (c > 0 && c < ' '); }

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | cp >> 6);
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | cp >> 12);
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | cp >> 18);
    out += char(0x80 | (cp >> 12 & 0x3F));
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// UTF-16 text after its byte-order mark; an odd last byte and unpaired
// surrogates become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  auto unit = [&](size_t i) {
    const uint8_t a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
    return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
  };
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  if (i < bytes.size()) AppendUtf8(out, 0xFFFD);
  return out;
}

// The text as 8-bit lines: a UTF-8 mark dropped, UTF-16 converted.
std::string DecodeText(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") return std::string(text.substr(3));
  if (text.substr(0, 2) == "\xFF\xFE") return Utf16ToUtf8(text.substr(2), false);
  if (text.substr(0, 2) == "\xFE\xFF") return Utf16ToUtf8(text.substr(2), true);
  return std::string(text);
}

// Room enough for the keys of the section whose lines start at `pos`: its
// line feeds up to the first line that begins with "[". Indented headers or
// lone-CR line ends only make the guess too big or too small, which costs
// memory or regrowth, never a different result. `budget` bounds the bytes
// scanned for all sections together, so no text makes the scans quadratic.
size_t KeyLinesFrom(const char* pos, const char* end, size_t& budget) {
  const char* const start = pos;
  const char* const stop = pos + std::min(budget, size_t(end - pos));
  const char* scanned = stop;
  size_t lines = 1;
  while (const void* lf = std::memchr(pos, '\n', size_t(stop - pos))) {
    pos = static_cast<const char*>(lf) + 1;
    if (pos == stop || *pos == '[') {
      scanned = pos;
      break;
    }
    ++lines;
  }
  budget -= size_t(scanned - start);
  return lines;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  for (size_t at = text.find(part[0]); at != std::string_view::npos; at = text.find(part[0], at + 1))
    if (SameTextAscii(text.substr(at, part.size()), part)) return true;
  return false;
}

std::optional<int32_t> ParseSkinInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * (hex ? 16 : 10) + uint64_t(digit);
    if (value > (hex ? 0xFFFFFFFFull : 0x80000000ull)) return std::nullopt;
  }
  if (hex) {
    const int32_t bits = int32_t(uint32_t(value));
    return negative ? int32_t(0u - uint32_t(bits)) : bits;
  }
  if (!negative && value > 0x7FFFFFFF) return std::nullopt;
  return negative ? int32_t(-int64_t(value)) : int32_t(value);
}

std::optional<double> ParseSkinFloat(std::string_view text) {
  // Sign, digits with at most one ".", optional exponent; read digit by
  // digit so that the locale's decimal separator never matters.
  text = TrimBlanks(text);
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  double value = 0, scale = 1;
  size_t digits = 0;
  bool fraction = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !fraction) {
      fraction = true;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      if (fraction) scale *= 10;
      ++digits;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  int exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const std::optional<int32_t> e = ParseSkinInteger(text.substr(i + 1));
    if (!e || text.substr(i + 1).find_first_of("$xX ") != std::string_view::npos) return std::nullopt;
    exponent = *e;
    i = text.size();
  }
  if (i != text.size()) return std::nullopt;
  value = value / scale * std::pow(10.0, double(exponent));
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

void TacMemIni::SetText(std::string_view raw) {
  sections_.clear();
  firstSection_ = decltype(firstSection_)();
  text_ = DecodeText(raw);
  const std::string_view text = text_;
  const char* const end = text.data() + text.size();
  size_t scanBudget = text.size();
  // The next CR and the next LF are each searched for once and kept until
  // passed, so lines end at the nearer one without a byte-by-byte scan.
  const auto nextOf = [end](const char* from, char c) {
    const void* at = std::memchr(from, c, size_t(end - from));
    return at ? static_cast<const char*>(at) : end;
  };
  const char* nextCr = text.empty() ? end : nextOf(text.data(), '\r');
  const char* nextLf = text.empty() ? end : nextOf(text.data(), '\n');
  for (const char* pos = text.data(); pos < end;) {
    if (nextCr < pos) nextCr = nextOf(pos, '\r');
    if (nextLf < pos) nextLf = nextOf(pos, '\n');
    const char* const lineEnd = std::min(nextCr, nextLf);
    const std::string_view line = TrimBlanks(std::string_view(pos, size_t(lineEnd - pos)));
    // CR LF, a lone CR and a lone LF each end one line.
    pos = lineEnd == end ? end : lineEnd + (lineEnd[0] == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      sections_.push_back({TrimBlanks(line.substr(1, line.size() - 2)), {}});
      sections_.back().Keys.reserve(KeyLinesFrom(pos, end, scanBudget));
      firstSection_.Add(sections_.back().Name, int(sections_.size() - 1));
      continue;
    }
    if (sections_.empty()) continue;
    const size_t eq = line.find('=');
    std::vector<TacIniKey>& keys = sections_.back().Keys;
    if (eq == std::string_view::npos)
      keys.push_back({line, line.substr(line.size())});
    else
      keys.push_back({TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1))});
  }
}

const TacIniSection* TacMemIni::FindSection(std::string_view section) const {
  const int i = firstSection_.Find(section);
  return i < 0 ? nullptr : &sections_[size_t(i)];
}

const std::string_view* TacIniSection::Find(std::string_view key) const {
  // Sections hold a few dozen keys: a scan beats building an index per load.
  for (const TacIniKey& k : Keys)
    if (SameTextAscii(k.Name, key)) return &k.Value;
  return nullptr;
}

const std::string_view* TacMemIni::Find(std::string_view section, std::string_view key) const {
  const TacIniSection* s = FindSection(section);
  return s ? s->Find(key) : nullptr;
}

std::string TacMemIni::ReadString(std::string_view section, std::string_view key, const std::string& def) const {
  const std::string_view* value = Find(section, key);
  return value ? std::string(*value) : def;
}

int32_t TacMemIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const std::string_view* value = Find(section, key);
  if (!value) return def;
  return ParseSkinInteger(*value).value_or(def);
}

}  // namespace wakespan
