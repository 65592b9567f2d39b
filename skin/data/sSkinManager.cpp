#include "skin/data/sSkinManager.h"

#include <algorithm>
#include <filesystem>

#include "skin/data/acMemIni.h"
#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinLookup.h"
#include "skin/data/sSkinProps.h"
#include "skin/data/sSysColors.h"

namespace wakespan {

namespace {

constexpr TColor kUnusableColor = 0xFF00FF;

bool IsUsableMenuColor(TColor c) { return c != -1 && c != TColor(0xFF00FF) && c != TColor(0xFFFFFF); }

// The option text of a load, refused when larger than any skin needs.
std::string_view OptionsText(const ByteBuffer& bytes) {
  if (bytes.size() > kMaxOptionTextBytes)
    throw ESkinError("The skin's options are too large (" + std::to_string(bytes.size()) + " bytes)");
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}


}  // namespace

// ---- lookups ----

int TsSkinModel::GetSkinIndex(std::string_view name) const {
  for (size_t i = 0; i < gd.size(); ++i)
    if (gd[i].ClassName == name) return int(i);
  return -1;
}

template <typename Match>
int TsSkinModel::FindInherited(int skinIndex, std::string_view name, Match match) const {
  return wakespan::FindInherited(
      gd, skinIndex, name, [this](int i) { return GetSkinIndex(gd[size_t(i)].ParentClass); }, match);
}

int TsSkinModel::GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(skinIndex, name, [&](std::string_view n, int) { return GetMaskIndex(n, key); });
}

int TsSkinModel::GetMaskIndex(std::string_view name, std::string_view key) const {
  for (size_t i = 0; i < ma.size(); ++i)
    if (ma[i].ClassName == name && ma[i].PropertyName == key) return int(i);
  return -1;
}

int TsSkinModel::GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(skinIndex, name, [&](std::string_view n, int) {
    for (size_t i = 0; i < ma.size(); ++i)
      if (ma[i].ImgType == itisaTexture && ma[i].ClassName == n && ma[i].PropertyName == key) return int(i);
    return -1;
  });
}

int TsSkinModel::GetPatternIndex(int skinIndex, std::string_view name, std::string_view key) const {
  return FindInherited(skinIndex, name, [&](std::string_view n, int) {
    for (size_t i = 0; i < pa.size(); ++i)
      if (pa[i].ClassName == n && pa[i].PropertyName == key) return int(i);
    return -1;
  });
}

int TsSkinModel::MaskWidthLeft(int i) {
  if (!IsValidImgIndex(i)) return 0;
  TsMaskData& m = ma[size_t(i)];
  if (m.WL > 0) return m.WL;
  if (m.BorderWidth > 0) return m.BorderWidth;
  if (m.ImageCount == 0) m.ImageCount = 1;
  return StateWidth(m);
}

int TsSkinModel::MaskWidthTop(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[size_t(i)];
  return m.WT > 0 ? m.WT : m.BorderWidth > 0 ? m.BorderWidth : StateHeight(m);
}

int TsSkinModel::MaskWidthRight(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[size_t(i)];
  return m.WR > 0 ? m.WR : m.BorderWidth > 0 ? m.BorderWidth : StateWidth(m);
}

int TsSkinModel::MaskWidthBottom(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[size_t(i)];
  return m.WB > 0 ? m.WB : m.BorderWidth > 0 ? m.BorderWidth : StateHeight(m);
}

Size TsSkinModel::MaskSize(int i) const {
  if (!IsValidImgIndex(i)) return Size{};
  const TsMaskData& m = ma[size_t(i)];
  if (m.Bmp) return Size{m.R.Width() / 3, m.R.Height() / 2};
  return Size{StateWidth(m), StateHeight(m)};
}

const TsGeneralData* TsSkinModel::Section(std::string_view name) const {
  const int i = GetSkinIndex(name);
  return i >= 0 ? &gd[size_t(i)] : nullptr;
}

TColor TsSkinModel::GetGlobalColor() const {
  const TsGeneralData* g = Section(s_GlobalInfo);
  return g ? ColorToRGB(g->Color) : SystemColor(kColorBtnFace);
}

TColor TsSkinModel::GetGlobalFontColor() const {
  const TsGeneralData* g = Section(s_GlobalInfo);
  return g ? g->FontColor[0] : kUnusableColor;
}

TColor TsSkinModel::GetActiveEditColor() const {
  const TsGeneralData* g = Section(s_GlobalInfo);
  return g ? g->HotColor : SystemColor(kColorWindow);
}

TColor TsSkinModel::GetActiveEditFontColor() const {
  const TsGeneralData* g = Section(s_Edit);
  return g ? g->HotFontColor[0] : kUnusableColor;
}

TColor TsSkinModel::GetHighLightColor() const {
  const TsGeneralData* g = Section(s_MenuItem);
  return g && IsUsableMenuColor(g->HotColor) ? g->HotColor : SystemColor(kColorHighlight);
}

TColor TsSkinModel::GetHighLightFontColor() const {
  const TsGeneralData* g = Section(s_MenuItem);
  if (g && IsUsableMenuColor(g->HotColor) && IsUsableMenuColor(g->HotFontColor[0]) && g->HotFontColor[0] != 0)
    return g->HotFontColor[0];
  return SystemColor(kColorHighlightText);
}

bool TsSkinModel::ImageInsideItsBitmap(int maskIndex) const {
  if (!IsValidImgIndex(maskIndex)) return false;
  const TsMaskData& e = ma[size_t(maskIndex)];
  if (e.Bmp) return true;
  const Bitmap* master = MasterBitmap.get();
  return master && !e.R.IsEmpty() && e.R.Left >= 0 && e.R.Top >= 0 && e.R.Right <= master->Width() &&
         e.R.Bottom <= master->Height();
}

void TsSkinModel::GetSkinSections(std::vector<std::string>& list) const {
  list.clear();
  if (!SkinData.Active) return;
  for (const TsGeneralData& g : gd) list.push_back(g.ClassName);
}

// ---- loading ----

void TsSkinManager::BuildAndSwap(const TacMemIni& options, const SkinImageSource& images,
                                 const std::string& skinPath, bool packed) {
  SkinBuildSettings settings;
  settings.SkinPath = skinPath;
  settings.Packed = packed;
  settings.HueOffset = HueOffset;
  settings.Saturation = Saturation;
  settings.OnMessage = [this](const std::string& text) { ShowMessage(text); };
  TsSkinModel fresh;
  BuildSkinModel(options, images, settings, fresh);
  fresh.SkinData.Active = true;
  static_cast<TsSkinModel&>(*this) = std::move(fresh);
  for (TsMaskData& m : ma) m.Manager = this;
}

void TsSkinManager::LoadPackedData(const uint8_t* data, size_t size) {
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(data, size);
  UnpackSkinData(reader);
  reader->DetachPackedData();
  if (!reader->Options) throw ESkinError("The packed skin has no \"Options.dat\" member");
  const TacMemIni options(OptionsText(*reader->Options));
  BuildAndSwap(options, PackedImageSource(*reader), std::string(), true);
}

void TsSkinManager::LoadPackedFile(const std::string& fileName, const std::string& skinPath) {
  RequireSkinFileSize(fileName);
  std::unique_ptr<TacSkinConvertor> reader;
  LoadPackedSkinFile(fileName, reader, true);
  if (!reader) throw ESkinError("Packed skin file " + fileName + " not found");
  if (!reader->Options) throw ESkinError("The packed skin " + fileName + " has no \"Options.dat\" member");
  const TacMemIni options(OptionsText(*reader->Options));
  BuildAndSwap(options, PackedImageSource(*reader), skinPath, true);
}

void TsSkinManager::LoadSkinDirectory(const std::string& directory) {
  ByteBuffer text;
  if (!ReadFileIgnoringCase(directory, kOptionsFileName, text))
    throw ESkinError("Skin directory " + directory + " has no \"Options.dat\"");
  std::string skinPath = directory;
  if (skinPath.empty() || (skinPath.back() != '/' && skinPath.back() != '\\')) skinPath += kPathSeparator;
  const TacMemIni options(OptionsText(text));
  BuildAndSwap(options, DirectoryImageSource(skinPath), skinPath, false);
}

void TsSkinManager::ClearModel() {
  static_cast<TsSkinModel&>(*this) = TsSkinModel{};
}

void TsSkinManager::LoadStoredSkin(const TsStoredSkin& skin) {
  // A stored skin without packed data would be built from the item's own
  // collections, which this program's skin leaves empty.
  if (skin.PackedData.empty()) throw ESkinError("The internal skin \"" + skin.Name + "\" holds no data");
  LoadPackedData(skin.PackedData.data(), skin.PackedData.size());
}

bool TsSkinManager::SelectSkin(const std::string& name, const std::string& fullSkinDirectory) {
  const std::string previous = skinName_;
  skinName_ = name;
  if (!active_) return false;
  try {
    std::error_code ec;
    const std::string packedFile = PackedSkinFileName(skinDirectory_, name);
    if (std::filesystem::is_regular_file(packedFile, ec)) {
      std::string skinPath = fullSkinDirectory;
      if (skinPath.empty() || (skinPath.back() != '/' && skinPath.back() != '\\')) skinPath += kPathSeparator;
      LoadPackedFile(packedFile, skinPath);
      return true;
    }
    const std::filesystem::path directory = std::filesystem::path(fullSkinDirectory) / name;
    if (std::filesystem::is_regular_file(directory / kOptionsFileName, ec)) {
      LoadSkinDirectory(directory.string());
      return true;
    }
    const auto named = std::find_if(internalSkins_.begin(), internalSkins_.end(),
                                    [&name](const TsStoredSkin& s) { return s.Name == name; });
    if (named != internalSkins_.end()) {
      LoadStoredSkin(*named);
      return true;
    }
    if (internalSkins_.empty()) {
      active_ = false;
      ClearModel();
      return false;
    }
    LoadStoredSkin(internalSkins_.front());
    skinName_ = internalSkins_.front().Name;
    return true;
  } catch (...) {
    skinName_ = previous;
    throw;
  }
}

std::string PackedSkinFileName(const std::string& skinDirectory, const std::string& name) {
  std::string path = skinDirectory;
  if (!path.empty() && (path.back() == '/' || path.back() == '\\'))
    path.back() = kPathSeparator;
  else if (path.size() == 1)
    path += std::string(":") + kPathSeparator;
  else
    path += kPathSeparator;
  return path + name + ".asz";
}

std::string GetFullSkinDirectory(const std::string& skinDirectory, const std::string& programDirectory) {
  const std::string& s = skinDirectory;
  if (s.compare(0, 2, "..") == 0) {
    // The program directory without its last element, keeping the separator before it.
    std::string parent = programDirectory;
    if (!parent.empty() && parent.back() == '\\') parent.pop_back();
    const size_t cut = parent.find_last_of('\\');
    parent = cut == std::string::npos ? std::string() : parent.substr(0, cut + 1);
    return parent + s.substr(std::min<size_t>(3, s.size()));
  }
  if (s.compare(0, 2, ".\\") == 0 || s.compare(0, 2, "./") == 0) return programDirectory + s.substr(2);
  if (s.find(':') == std::string::npos && s.find("\\\\") == std::string::npos) return programDirectory + s;
  return s;
}

}  // namespace wakespan
