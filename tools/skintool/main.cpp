// skintool: packs, lists and dumps skins.
//   skintool pack <skin-dir> <out.asz>
//   skintool list <file.asz>
//   skintool dump <file.asz|skin-dir>
//   skintool check <file.asz|skin-dir>  (exit status 1 when the skin has errors)
//   skintool preview SKIN --window settings|countdown|about [--inactive] --out OUT.png
//   skintool render SKIN SECTION WxH [options] --out OUT.png  (see SkinRender.h)
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "SkinCheck.h"
#include "SkinDump.h"
#include "SkinPacker.h"
#include "SkinPreview.h"
#include "SkinRender.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"

namespace {

using namespace wakespan;

int Usage() {
  std::cerr << "usage: skintool pack <skin-dir> <out.asz>\n"
               "       skintool list <file.asz>\n"
               "       skintool dump <file.asz|skin-dir>\n"
               "       skintool check <file.asz|skin-dir>\n"
               "       skintool preview SKIN --window settings|countdown|about [--inactive] --out OUT.png\n"
               "                        [--fonts DIR] [--resources DIR]\n"
               "       skintool render SKIN SECTION WxH [--state N] [--parent none|#RRGGBB|FILE.png]\n"
               "                       [--no-fill] [--control] [--glyph KEY --at X,Y [--mode G]] --out OUT.png\n";
  return 2;
}

int Pack(const std::string& dir, const std::string& outFile) {
  std::vector<std::string> warnings;
  const std::vector<PackMember> members = CollectSkinMembers(dir, warnings);
  for (const std::string& w : warnings) std::cerr << "skintool: warning: " << w << "\n";
  const ByteBuffer packed = PackSkinMembers(members);
  std::ofstream out(outFile, std::ios::binary);
  out.write(reinterpret_cast<const char*>(packed.data()), std::streamsize(packed.size()));
  out.close();
  if (!out) throw ESkinError("Cannot write " + outFile);
  std::cout << outFile << ": " << packed.size() << " bytes, " << members.size() << " members\n";
  return 0;
}

int List(const std::string& file) {
  if (!std::filesystem::is_regular_file(file)) throw ESkinError("Packed skin file " + file + " not found");
  std::unique_ptr<TacSkinConvertor> reader;
  LoadPackedSkinFile(file, reader, false);
  std::cout << "ImageCount " << reader->ImageCount << "\n";
  if (reader->Options)
    std::cout << "options " << kOptionsFileName << " " << reader->Options->size() << "\n";
  else
    std::cout << "options none\n";
  for (const TacImageItem& item : reader->Files)
    std::cout << (item.IsBitmap ? "bitmap " : "image ") << item.FileName << " " << item.FileStream.size() << "\n";
  std::cout << "container " << reader->PackedSize() << " bytes, members end at " << reader->PackedPosition() << "\n";
  return 0;
}

int Dump(const std::string& path) {
  TsSkinManager manager;
  manager.OnMessage = [](const std::string& text) { std::cerr << "skintool: " << text << "\n"; };
  if (std::filesystem::is_directory(path))
    manager.LoadSkinDirectory(path);
  else
    manager.LoadPackedFile(path, std::string());
  DumpSkin(manager, std::cout);
  return 0;
}

int Check(const std::string& path) {
  const SkinCheckReport report = CheckSkin(path);
  PrintSkinReport(report, path, std::cout);
  return report.Usable() ? 0 : 1;
}

int Preview(const std::vector<std::string>& args) {
  const PreviewRequest request = ParsePreviewArguments(args, WAKESPAN_WINE_FONTS, WAKESPAN_RESOURCES);
  WritePng24(RenderPreview(request), request.Out);
  return 0;
}

int Render(const std::vector<std::string>& args) {
  const RenderRequest request = ParseRenderArguments(args);
  WritePng24(RenderSkinImage(request), request.Out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::strcmp(argv[1], "pack") == 0) return Pack(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "list") == 0) return List(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) return Check(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "dump") == 0) return Dump(argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "preview") == 0)
      return Preview(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2 && std::strcmp(argv[1], "render") == 0) return Render(std::vector<std::string>(argv + 2, argv + argc));
    return Usage();
  } catch (const std::exception& e) {
    std::cerr << "skintool: " << e.what() << "\n";
    return 1;
  }
}
