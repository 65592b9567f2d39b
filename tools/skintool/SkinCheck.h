// Checks a skin for its author: what Wakespan's windows look up in it and
// do not find (with what they fall back to), and what in it is wrong or
// never read. Any input gives a report; nothing in it can crash the check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace wakespan {

struct SkinFinding {
  // An error makes the skin unusable as it stands; a warning is something
  // the author likely wants to mend; a note only explains.
  enum Kind { Error, Warning, Note } kind;
  std::string text;
};

struct SkinCheckReport {
  std::vector<SkinFinding> findings;

  // A finding already made (a repeated section gives its images twice) is
  // not added again.
  void Add(SkinFinding::Kind kind, std::string text);
  int Count(SkinFinding::Kind kind) const;
  bool Usable() const { return Count(SkinFinding::Error) == 0; }
};

// A packed skin file (.asz) or a skin directory holding "Options.dat".
SkinCheckReport CheckSkin(const std::string& path);
// A packed container held in memory.
SkinCheckReport CheckPackedSkin(const uint8_t* data, size_t size);

// One line per finding ("error: ...", "warning: ...", "note: ..."), then a
// summary line naming the skin.
void PrintSkinReport(const SkinCheckReport& report, const std::string& name, std::ostream& out);

}  // namespace wakespan
