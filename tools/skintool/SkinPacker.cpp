#include "SkinPacker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/acMemIni.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinProps.h"

namespace wakespan {

namespace {

namespace fs = std::filesystem;

// The file in `directory` whose name matches `name` ignoring letter case.
fs::path FindFile(const fs::path& directory, const std::string& name) {
  std::error_code ec;
  if (fs::is_regular_file(directory / name, ec)) return directory / name;
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec))
    if (UpperCase(it->path().filename().string()) == UpperCase(name) && it->is_regular_file(ec)) return it->path();
  return {};
}

ByteBuffer ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinError("Cannot read " + path.string());
  return ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

std::vector<PackMember> CollectSkinMembers(const std::string& directory, std::vector<std::string>& warnings) {
  const fs::path dir(directory);
  const fs::path optionsPath = FindFile(dir, kOptionsFileName);
  if (optionsPath.empty()) throw ESkinError("Skin directory " + directory + " has no \"Options.dat\"");
  std::vector<PackMember> members;
  members.push_back({kOptionsFileName, ReadAll(optionsPath)});
  const std::string text(members[0].Data.begin(), members[0].Data.end());
  const TacMemIni ini(text);

  std::vector<std::string> wanted;  // upper-cased names, first reference first
  auto want = [&wanted](const std::string& name) {
    if (!name.empty() && std::find(wanted.begin(), wanted.end(), UpperCase(name)) == wanted.end())
      wanted.push_back(UpperCase(name));
  };
  for (const TacIniSection& section : ini.Sections())
    for (const TacIniKey& key : section.Keys) {
      if (SameTextAscii(section.Name, s_GlobalInfo) && SameTextAscii(key.Name, s_MasterBitmap)) continue;
      const ImageReference ref = ParseImageReference(section.Name, key.Name, key.Value);
      if (ref.kind == ImageReference::File) want(ref.fileName);
      const std::string upper = UpperCase(std::string(key.Value));
      if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos) want(upper);
    }
  want(ini.ReadString(s_GlobalInfo, s_MasterBitmap, ""));

  for (const std::string& name : wanted) {
    const fs::path file = name.find(':') == std::string::npos ? FindFile(dir, name) : fs::path();
    if (file.empty()) {
      warnings.push_back("image " + name + " named by the options is not in " + directory);
      continue;
    }
    members.push_back({file.filename().string(), ReadAll(file)});
  }
  return members;
}

}  // namespace wakespan
