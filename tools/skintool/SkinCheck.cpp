#include "SkinCheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>

#include "skin/data/acMemIni.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/decode/ImageDecode.h"

namespace wakespan {

namespace {

namespace fs = std::filesystem;
using Kind = SkinFinding::Kind;

// The sections Wakespan's windows paint from, and what a window shows
// when one is missing.
struct SectionUse {
  const char* section;
  const char* fallback;
  Kind kind = Kind::Warning;  // a note for a section many skins leave out
};
constexpr SectionUse kSectionUses[] = {
    {s_GlobalInfo, "no title buttons and no check or radio marks are drawn, and the frame has the default sizes"},
    {s_Form, "the windows' frames and backgrounds are not painted from the skin"},
    {s_FormTitle, "the title bars show only the frame's own image"},
    {s_Caption, "the caption is written straight on the title bar", Kind::Note},
    {s_MenuLine, "the settings window's menu bar shows the frame's background"},
    {s_MainMenu, "the menus are drawn without a background"},
    {s_MenuItem, "menu items are written on the menus' background, highlighted in the system's colours"},
    {s_Button, "the push buttons keep the system's look"},
    {s_CheckBox, "the check boxes keep the system's look"},
    {s_RadioButton, "the radio buttons keep the system's look"},
    {s_GroupBox, "the group boxes keep the system's look"},
    {s_Edit, "the edits keep the system's look"},
};

// The images they look up (through PARENTCLASS), and what a window shows
// without one.
struct ImageUse {
  const char* section;
  const char* key;
  const char* fallback;
};
constexpr ImageUse kImageUses[] = {
    {s_Form, s_BordersMask, "the frames are filled with the section's colour"},
    {s_Button, s_BordersMask, "the push buttons are filled with the section's colour"},
    {s_GroupBox, s_BordersMask, "the group boxes have no border"},
    {s_Edit, s_BordersMask, "the edits have no border"},
    {s_GlobalInfo, s_CheckBoxChecked, "a ticked check box shows an empty 16 x 16 mark area"},
    {s_GlobalInfo, s_CheckBoxUnChecked, "a clear check box shows an empty 16 x 16 mark area"},
    {s_GlobalInfo, s_RadioButtonChecked, "the chosen radio button shows an empty 16 x 16 mark area"},
    {s_GlobalInfo, s_RadioButtonUnChecked, "the other radio buttons show an empty 16 x 16 mark area"},
    {s_GlobalInfo, s_BorderIconClose, "the settings window has no close button"},
    {s_GlobalInfo, s_BorderIconMinimize, "the settings window has no minimize button"},
    {s_GlobalInfo, s_BorderIconMaximize, "the settings window has no maximize button"},
    {s_GlobalInfo, s_SmallIconClose, "the about window takes the big close button BICONCLOSE"},
    {s_GlobalInfo, s_Check, "menu check marks take BOXCHECKED"},
};

std::string Bracketed(std::string_view section) { return "[" + std::string(section) + "]"; }
std::string ImageName(std::string_view section, std::string_view key) {
  return Bracketed(section) + " " + std::string(key);
}

// "a, b, c and 4 more": the first few of a list, for one line per problem.
std::string ShortList(const std::vector<std::string>& items) {
  constexpr size_t kShown = 4;
  std::string text;
  for (size_t i = 0; i < items.size() && i < kShown; ++i) text += (i ? ", " : "") + items[i];
  if (items.size() > kShown) text += " and " + std::to_string(items.size() - kShown) + " more";
  return text;
}

bool IsEngineName(const char* const* begin, const char* const* end, std::string_view name) {
  return std::any_of(begin, end, [name](const char* known) { return SameTextAscii(known, name); });
}
bool IsEngineSection(std::string_view name) {
  return IsEngineName(std::begin(kEngineSections), std::end(kEngineSections), name);
}
bool IsEngineImageKey(std::string_view key) {
  return IsEngineName(std::begin(kEngineImageKeys), std::end(kEngineImageKeys), key);
}

bool NamesJpeg(std::string_view value) {
  return ContainsIgnoringCase(value, ".JPG") || ContainsIgnoringCase(value, ".JPEG");
}

// A file name the loader takes as a path of its own, or that climbs out of
// the skin's directory.
bool LeavesSkinDirectory(const std::string& name) {
  return name.find(':') != std::string::npos || name.find("..") != std::string::npos ||
         (!name.empty() && (name[0] == '\\' || name[0] == '/'));
}

class SkinChecker {
 public:
  SkinChecker(const TsSkinModel& m, const TacMemIni& ini, const SkinImageSource& images, SkinCheckReport& r)
      : m_(m), ini_(ini), images_(images), r_(r) {}

  void Run() {
    Version();
    Lookups();
    Sections();
    ImageFiles();
    ImageEntries();
    UnusedKeys();
  }

 private:
  void Version() {
    if (m_.SkinData.Version > kNewestSupportedVersion)
      r_.Add(Kind::Error, "[GLOBALINFO] VERSION " + ini_.ReadString(s_GlobalInfo, "VERSION", "") +
                              " is above 6.99: Wakespan warns at every start that the skin may not be shown fully");
  }

  void Lookups() {
    for (const SectionUse& use : kSectionUses)
      if (m_.GetSkinIndex(use.section) < 0)
        r_.Add(use.kind, "no section " + Bracketed(use.section) + ": " + use.fallback);
    for (const ImageUse& use : kImageUses) {
      const int section = m_.GetSkinIndex(use.section);
      if (section < 0) continue;  // reported with the section
      const int image = m_.GetMaskIndex(section, use.section, use.key);
      const std::string name = ImageName(use.section, use.key);
      if (image < 0)
        r_.Add(Kind::Warning, "no image " + name + ": " + use.fallback);
      else if (!SameTextAscii(m_.ma[size_t(image)].ClassName, use.section))
        r_.Add(Kind::Note, name + " is inherited from " + Bracketed(m_.ma[size_t(image)].ClassName));
    }
  }

  // Repeated names, parents the skin lacks, and PARENTCLASS loops (each
  // loop once, however many chains run into it).
  void Sections() {
    std::map<std::string, int, std::less<>> seen;
    for (const TacIniSection& s : ini_.Sections()) ++seen[UpperCase(std::string(s.Name))];
    for (const auto& [name, count] : seen)
      if (count > 1)
        r_.Add(Kind::Warning, "section " + Bracketed(name) + " is given " + std::to_string(count) +
                                  " times; only the first is read");
    std::set<int> reportedLoops;
    for (size_t i = 0; i < m_.gd.size(); ++i) {
      const std::string& parent = m_.gd[i].ParentClass;
      if (parent.empty() || parent == "?") continue;
      if (m_.GetSkinIndex(parent) < 0) {
        r_.Add(Kind::Warning, Bracketed(m_.gd[i].ClassName) + " PARENTCLASS names " + Bracketed(parent) +
                                  ", which the skin lacks; nothing is inherited from it");
        continue;
      }
      std::vector<int> chain{int(i)};
      for (int next = m_.GetSkinIndex(parent); next >= 0; next = ParentOf(next)) {
        const auto again = std::find(chain.begin(), chain.end(), next);
        if (again != chain.end()) {
          const int key = *std::min_element(again, chain.end());
          if (reportedLoops.insert(key).second) ReportLoop(std::vector<int>(again, chain.end()));
          break;
        }
        chain.push_back(next);
      }
    }
  }

  int ParentOf(int section) const {
    const std::string& parent = m_.gd[size_t(section)].ParentClass;
    return parent.empty() || parent == "?" ? -1 : m_.GetSkinIndex(parent);
  }

  void ReportLoop(const std::vector<int>& loop) {
    std::string text;
    for (const int s : loop) text += Bracketed(m_.gd[size_t(s)].ClassName) + " -> ";
    text += Bracketed(m_.gd[size_t(loop.front())].ClassName);
    r_.Add(Kind::Error, "PARENTCLASS loop " + text + ": inheritance stops where the chain repeats");
  }

  // Every image file the option text names, and the master bitmap.
  void ImageFiles() {
    const std::string master = ini_.ReadString(s_GlobalInfo, s_MasterBitmap, "");
    if (!master.empty()) {
      CheckFile(ImageName(s_GlobalInfo, s_MasterBitmap), master);
    } else if (std::any_of(m_.ma.begin(), m_.ma.end(), [](const TsMaskData& e) { return !e.Bmp; })) {
      r_.Add(Kind::Error, "[GLOBALINFO] has no MASTERBITMAP, but the skin's \"@\", \"^\" and \"~\" images lie in it");
    }
    for (const TacIniSection& section : ini_.Sections())
      for (const TacIniKey& key : section.Keys) {
        if (SameTextAscii(section.Name, s_GlobalInfo) && SameTextAscii(key.Name, s_MasterBitmap)) continue;
        const std::string name = ImageName(section.Name, key.Name);
        if (NamesJpeg(key.Value)) {
          CheckFile(name, UpperCase(std::string(key.Value)));
          continue;
        }
        ImageReference ref;
        try {
          ref = ParseImageReference(section.Name, key.Name, key.Value);
        } catch (const ESkinError&) {
          continue;  // the load has already said so
        }
        if (ref.kind == ImageReference::File) CheckFile(name, ref.fileName);
      }
  }

  void CheckFile(const std::string& name, const std::string& file) {
    if (LeavesSkinDirectory(file))
      r_.Add(Kind::Warning, name + " names \"" + file + "\", outside the skin's directory: only a machine with "
                                   "that file shows it");
    ByteBuffer storage;
    const ByteBuffer* bytes = images_.Find(file, storage);
    if (!bytes) {
      r_.Add(Kind::Error, name + " names the file \"" + file + "\", which the skin lacks; the image is missing");
      return;
    }
    const DecodedImage decoded = DecodeImage(bytes->data(), bytes->size());
    if (!decoded.Ok())
      r_.Add(Kind::Error, name + ": \"" + file + "\" cannot be read (" + decoded.Error + "); the image is missing");
  }

  // Every image the model holds: inside its bitmap, paintable, and with
  // borders that fit one state.
  void ImageEntries() {
    for (size_t i = 0; i < m_.ma.size(); ++i) {
      const TsMaskData& e = m_.ma[i];
      const std::string name = ImageName(e.ClassName, e.PropertyName);
      const Rect& R = e.R;
      if (!e.Bmp && m_.MasterBitmap && !m_.ImageInsideItsBitmap(int(i))) {
        r_.Add(Kind::Error, name + ": its rectangle (" + std::to_string(R.Left) + ", " + std::to_string(R.Top) +
                                ") - (" + std::to_string(R.Right) + ", " + std::to_string(R.Bottom) +
                                ") is empty or leaves the master bitmap (" + std::to_string(m_.MasterBitmap->Width()) +
                                " x " + std::to_string(m_.MasterBitmap->Height()) + "); it is not shown");
        continue;
      }
      if (e.ImageCount <= 0) {
        r_.Add(Kind::Error, name + ": image count " + std::to_string(e.ImageCount) + ": no state can be painted");
        continue;
      }
      if (e.MaskType < 0 || e.MaskType > 1) {
        r_.Add(Kind::Error, name + ": mask type " + std::to_string(e.MaskType) +
                                ": only 0 (no mask) and 1 (a mask below the image) can be painted");
        continue;
      }
      if (e.ImgType != itisaBorder) continue;
      const int w = StateWidth(e), h = StateHeight(e);
      if (e.WL + e.WR > w || e.WT + e.WB > h)
        r_.Add(Kind::Error, name + ": its borders (left " + std::to_string(e.WL) + ", top " + std::to_string(e.WT) +
                                ", right " + std::to_string(e.WR) + ", bottom " + std::to_string(e.WB) +
                                ") are wider than one state of the image (" + std::to_string(w) + " x " +
                                std::to_string(h) + ")");
    }
  }

  // Keys nobody reads: not a general property, not a skin-wide value, and
  // not an image the engine asks for. One line per key name.
  void UnusedKeys() {
    std::map<std::string, std::vector<std::string>> unread, images, repeated;
    for (const TacIniSection& section : ini_.Sections()) {
      std::set<std::string> keysOfSection;
      for (const TacIniKey& key : section.Keys) {
        const std::string upper = UpperCase(std::string(key.Name));
        if (!keysOfSection.insert(upper).second) {
          repeated[ImageName(section.Name, upper)].push_back(Bracketed(section.Name));
          continue;
        }
        // An image key the engine asks for is read whatever its value; one
        // that names no image ("N/A") means the section has none.
        if (IsKeyTheLoaderReads(section.Name, key.Name) || IsEngineImageKey(key.Name)) continue;
        if (IsImageValue(section.Name, key.Name, key.Value)) {
          images[upper].push_back(Bracketed(section.Name));
        } else {
          unread[upper].push_back(Bracketed(section.Name));
        }
      }
    }
    for (const auto& [name, sections] : repeated)
      r_.Add(Kind::Warning, name + " is given " + std::to_string(sections.size() + 1) + " times; only the first is read");
    for (const auto& [key, sections] : unread)
      r_.Add(Kind::Warning, "key " + key + " is never read (in " + ShortList(sections) + ")");
    for (const auto& [key, sections] : images)
      r_.Add(Kind::Warning, "image key " + key + " is never looked up (in " + ShortList(sections) + ")");
    std::vector<std::string> foreign;
    for (const TsGeneralData& g : m_.gd)
      if (!IsEngineSection(g.ClassName) && !IsParentOfEngineSection(g.ClassName))
        foreign.push_back(Bracketed(g.ClassName));
    if (!foreign.empty())
      r_.Add(Kind::Note, std::to_string(foreign.size()) + " sections are never read: " + ShortList(foreign) +
                             " (no part of the engine asks for them, and none of its sections inherits from them)");
  }

  bool IsImageValue(std::string_view section, std::string_view key, std::string_view value) const {
    if (NamesJpeg(value)) return true;
    try {
      return ParseImageReference(section, key, value).kind != ImageReference::None;
    } catch (const ESkinError&) {
      return true;  // an image reference with a bad number
    }
  }

  bool IsParentOfEngineSection(std::string_view name) const {
    for (const char* engine : kEngineSections) {
      std::vector<int> visited;
      for (int s = m_.GetSkinIndex(engine); s >= 0; s = ParentOf(s)) {
        if (std::find(visited.begin(), visited.end(), s) != visited.end()) break;
        visited.push_back(s);
        if (s != m_.GetSkinIndex(engine) && SameTextAscii(m_.gd[size_t(s)].ClassName, name)) return true;
      }
    }
    return false;
  }

  const TsSkinModel& m_;
  const TacMemIni& ini_;
  const SkinImageSource& images_;
  SkinCheckReport& r_;
};

// Loads the model as Wakespan does, then checks it against the text and
// images it came from. A load error is the one finding.
template <typename Load>
SkinCheckReport CheckLoaded(Load load, std::string_view options, const SkinImageSource& images) {
  SkinCheckReport report;
  TsSkinManager manager;
  manager.OnMessage = [](const std::string&) {};  // the version check reports it in its own words
  try {
    load(manager);
  } catch (const ESkinError& e) {
    report.Add(Kind::Error, std::string("the skin cannot be loaded: ") + e.what() +
                                ". Wakespan shows this in an error box and keeps its previous skin");
    return report;
  }
  const TacMemIni ini(options);
  SkinChecker(manager, ini, images, report).Run();
  return report;
}

std::string_view TextOf(const ByteBuffer& bytes) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

SkinCheckReport CheckDirectory(const std::string& directory) {
  ByteBuffer text;
  ReadFileIgnoringCase(directory, kOptionsFileName, text);
  std::string skinPath = directory;
  if (skinPath.back() != '/' && skinPath.back() != '\\') skinPath += kPathSeparator;
  return CheckLoaded([&](TsSkinManager& m) { m.LoadSkinDirectory(directory); }, TextOf(text),
                     DirectoryImageSource(skinPath));
}

SkinCheckReport FailedToOpen(const std::string& why) {
  SkinCheckReport report;
  report.Add(Kind::Error, why);
  return report;
}

}  // namespace

void SkinCheckReport::Add(SkinFinding::Kind kind, std::string text) {
  for (const SkinFinding& f : findings)
    if (f.kind == kind && f.text == text) return;
  findings.push_back({kind, std::move(text)});
}

int SkinCheckReport::Count(SkinFinding::Kind kind) const {
  return int(std::count_if(findings.begin(), findings.end(), [kind](const SkinFinding& f) { return f.kind == kind; }));
}

SkinCheckReport CheckPackedSkin(const uint8_t* data, size_t size) {
  auto reader = std::make_unique<TacSkinConvertor>();
  try {
    reader->LendPackedData(data, size);
    UnpackSkinData(reader);
    if (reader) reader->DetachPackedData();
  } catch (const ESkinError& e) {
    return FailedToOpen(std::string("the skin cannot be loaded: ") + e.what());
  }
  const std::string_view options = reader->Options ? TextOf(*reader->Options) : std::string_view();
  return CheckLoaded([&](TsSkinManager& m) { m.LoadPackedData(data, size); }, options, PackedImageSource(*reader));
}

SkinCheckReport CheckSkin(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return CheckDirectory(path);
  if (!fs::is_regular_file(path, ec)) return FailedToOpen("no skin file or skin directory \"" + path + "\"");
  try {
    RequireSkinFileSize(path);
  } catch (const ESkinError& e) {
    return FailedToOpen(std::string("the skin cannot be loaded: ") + e.what());
  }
  std::ifstream in(path, std::ios::binary);
  const ByteBuffer bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) return FailedToOpen("cannot read \"" + path + "\"");
  return CheckPackedSkin(bytes.data(), bytes.size());
}

void PrintSkinReport(const SkinCheckReport& report, const std::string& name, std::ostream& out) {
  static const char* const kLabels[] = {"error: ", "warning: ", "note: "};
  for (const SkinFinding& f : report.findings) out << kLabels[f.kind] << f.text << "\n";
  const int errors = report.Count(Kind::Error), warnings = report.Count(Kind::Warning);
  out << name << ": " << (report.Usable() ? "usable" : "not usable") << ", " << errors
      << (errors == 1 ? " error, " : " errors, ") << warnings << (warnings == 1 ? " warning\n" : " warnings\n");
}

}  // namespace wakespan
