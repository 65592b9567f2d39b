// The skin manager's portable side: the loaded skin model with its lookups,
// and loading a skin from a packed container, a packed file or a skin
// directory. A load builds the new model aside and swaps it in only when
// it is complete, so a failed load leaves the previous model whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acSkinPack.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinData.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TacMemIni;
class SkinImageSource;

// A loaded skin: sections, images, patterns, skin-wide data and cached
// indexes. Indexes are 0-based; -1 means none.
class TsSkinModel {
 public:
  TsSkinData SkinData;
  std::vector<TsMaskData> ma;     // mask table
  std::vector<TsPatternData> pa;  // pattern table
  std::vector<TsGeneralData> gd;  // section table
  TConstantSkinData ConstData;
  std::shared_ptr<Bitmap> MasterBitmap;
  bool SkinIsPacked = false;

  // First section named exactly `name`.
  int GetSkinIndex(std::string_view name) const;
  // First entry of (name, key), then the same in the section's parent chain;
  // -1 when skinIndex is negative or the name empty. A loop in the chain
  // ends the walk.
  int GetMaskIndex(int skinIndex, std::string_view name, std::string_view key) const;
  // First entry of (name, key), no inheritance.
  int GetMaskIndex(std::string_view name, std::string_view key) const;
  // As the first GetMaskIndex, over texture entries only.
  int GetTextureIndex(int skinIndex, std::string_view name, std::string_view key) const;
  // As the first GetMaskIndex, over the pattern table.
  int GetPatternIndex(int skinIndex, std::string_view name, std::string_view key) const;

  // Border widths of an entry: its own width when above 0, else its
  // BorderWidth when above 0, else one state's width (left, right) or one
  // row's height (top, bottom). MaskWidthLeft first turns an ImageCount of
  // 0 into 1. An invalid index gives 0.
  int MaskWidthLeft(int maskIndex);
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;
  // Own bitmap: width div 3 by height div 2; else one state by one row.
  Size MaskSize(int maskIndex) const;

  bool IsValidSkinIndex(int index) const { return index >= 0 && index < int(gd.size()); }
  bool IsValidImgIndex(int index) const { return index >= 0 && index < int(ma.size()); }

  TColor GetGlobalColor() const;
  TColor GetGlobalFontColor() const;
  TColor GetActiveEditColor() const;
  TColor GetActiveEditFontColor() const;
  TColor GetHighLightColor() const;
  TColor GetHighLightFontColor() const;

  // Every section name in order; empty when no skin is active.
  void GetSkinSections(std::vector<std::string>& list) const;

 private:
  template <typename Match>
  int FindInherited(int skinIndex, std::string_view name, Match match) const;
  const TsGeneralData* Section(std::string_view name) const;
};

// A skin stored in the executable: a name and a packed container.
struct TsStoredSkin {
  std::string Name;
  ByteBuffer PackedData;
};

class TsSkinManager : public TsSkinModel {
 public:
  TsSkinManager() = default;
  TsSkinManager(const TsSkinManager&) = delete;
  TsSkinManager& operator=(const TsSkinManager&) = delete;

  bool Active = true;
  std::string SkinDirectory = "c:\\Skins";
  std::string SkinName;
  int HueOffset = 0;
  int Saturation = 0;
  std::vector<TsStoredSkin> InternalSkins;
  // Receives messages the load shows the user (a skin newer than supported).
  std::function<void(const std::string&)> OnMessage;

  // Loads a packed container held by the caller (an embedded skin); the
  // bytes are only read.
  void LoadPackedData(const uint8_t* data, size_t size);
  // Loads a packed skin file; `skinPath` becomes SkinData.SkinPath. A
  // missing file is an error.
  void LoadPackedFile(const std::string& fileName, const std::string& skinPath);
  // Loads an unpacked skin: `directory` holds "Options.dat" and the images.
  void LoadSkinDirectory(const std::string& directory);

  // Selects and loads `name`: the packed file <SkinDirectory>/<name>.asz,
  // else the directory <fullSkinDirectory>/<name> with its "Options.dat",
  // else the internal skin of that name, else the first internal skin
  // (SkinName then names it). With no skin at all the model is emptied and
  // false returned. On an error SkinName goes back to its previous value
  // and the error is raised; the previous model stays.
  bool SelectSkin(const std::string& name, const std::string& fullSkinDirectory);

  // Empties the model (no skin).
  void ClearModel();

 private:
  void BuildAndSwap(const TacMemIni& options, const SkinImageSource& images, const std::string& skinPath,
                    bool packed);
};

// The packed skin file name: `skinDirectory` as written with a trailing
// separator ensured (a final "/" or "\" becomes the native separator, a
// one-character text gets ":" and the separator), then name + ".asz".
std::string PackedSkinFileName(const std::string& skinDirectory, const std::string& name);

// The skin directory made absolute against the program's directory (with
// its trailing backslash): ".." + rest goes below the program directory's
// parent, ".\" or "./" + rest below the program directory, a text with
// neither ":" nor "\\" below the program directory; anything else as
// written. No trailing separator is added.
std::string GetFullSkinDirectory(const std::string& skinDirectory, const std::string& programDirectory);

}  // namespace wakespan
