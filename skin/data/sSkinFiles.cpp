// The manager's skin lists and the extraction of internal skins to files.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "skin/data/acMemIni.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {

namespace {

namespace fs = std::filesystem;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&upper](char x, char y) { return upper(x) < upper(y); });
}

void SortIgnoringCase(std::vector<std::string>& list) { std::stable_sort(list.begin(), list.end(), LessIgnoringCase); }

// Skins found in `directory`: sub-directories holding "Options.dat" and
// files with the extension ".asz" (letter case ignored), by name.
void AddSkinsOfDirectory(const fs::path& directory, std::vector<std::string>& list) {
  std::error_code ec;
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    std::error_code entryError;
    if (it->is_directory(entryError)) {
      if (fs::is_regular_file(path / kOptionsFileName, entryError)) list.push_back(path.filename().string());
    } else if (it->is_regular_file(entryError) && SameTextAscii(path.extension().string(), ".asz")) {
      list.push_back(path.stem().string());
    }
  }
}

}  // namespace

void TsSkinManager::GetExternalSkinNames(std::vector<std::string>& list) const {
  list.clear();
  AddSkinsOfDirectory(fs::path(GetFullSkinDirectory()), list);
  SortIgnoringCase(list);
}

void TsSkinManager::GetSkinNames(std::vector<std::string>& list) const {
  GetExternalSkinNames(list);
  for (const TsStoredSkin& skin : internalSkins_) list.push_back(skin.Name);
  SortIgnoringCase(list);
}

void TsSkinManager::ExtractInternalSkin(const std::string& name, const std::string& directory) const {
  std::error_code ec;
  if (!fs::is_directory(directory, ec) && !fs::create_directories(directory, ec))
    throw ESkinError("Directory " + directory + " creation error.");
  const auto skin = std::find_if(internalSkins_.begin(), internalSkins_.end(),
                                 [&name](const TsStoredSkin& s) { return s.Name == name; });
  if (skin == internalSkins_.end()) throw ESkinError("Skin does not exists.");
  ExtractByIndex(int(skin - internalSkins_.begin()), directory);
}

void TsSkinManager::ExtractByIndex(int index, const std::string& directory) const {
  std::error_code ec;
  if (!fs::is_directory(directory, ec)) throw ESkinError("Directory does not exists.");
  if (index < 0 || size_t(index) >= internalSkins_.size()) throw ESkinError("Skin does not exists.");
  const TsStoredSkin& skin = internalSkins_[size_t(index)];
  const fs::path file = fs::path(directory) / (skin.Name + " extracted.asz");
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(skin.PackedData.data()), std::streamsize(skin.PackedData.size()));
  out.close();
  if (!out) throw ESkinError("Cannot write " + file.string());
}

}  // namespace wakespan
