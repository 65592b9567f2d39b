// The skin manager's portable side: the loaded skin model with its lookups,
// the manager's properties, and loading a skin from a packed container, a
// packed file or a skin directory. A load builds the new model aside and swaps it in only when
// it is complete, so a failed load leaves the previous model whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acSkinPack.h"
#include "skin/data/acSkinWindows.h"
#include "skin/data/acThirdParty.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinData.h"
#include "skin/data/sSkinManagerProps.h"
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

  // An image of the master bitmap whose rectangle is empty or leaves the
  // bitmap (or with no master bitmap at all) cannot be shown; an image of
  // its own bitmap always can. False for an invalid index.
  bool ImageInsideItsBitmap(int maskIndex) const;

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

// The component that owns the program's skin: its published properties,
// the selection and loading of a skin, and what the windows are told. The
// windows are reached through TacSkinWindows; a manager without one is
// headless (nothing is broadcast). The first manager created is the
// program-wide default. The windows object must outlive the manager.
class TsSkinManager : public TsSkinModel {
 public:
  explicit TsSkinManager(TacSkinWindows* windows = nullptr);
  ~TsSkinManager();
  TsSkinManager(const TsSkinManager&) = delete;
  TsSkinManager& operator=(const TsSkinManager&) = delete;

  // Plain published properties.
  bool AllowGlowing = true;
  TacAnimEffects AnimEffects;
  std::vector<std::string> CommonSections;  // extra option lines
  bool ExtendedBorders = false;
  int HueOffset = 0;
  int Saturation = 0;
  TacMenuSupport MenuSupport;
  bool SkinnedPopups = true;
  TacSkinningRules SkinningRules = kAllSkinningRules;
  ThirdPartyList ThirdParty;
  ThirdLists_t ThirdLists;  // ThirdParty as lists, rebuilt when the form has loaded
  std::function<void(TsSkinManager&)> OnBeforeChange, OnAfterChange;
  // Receives the messages and load errors of a headless manager.
  std::function<void(const std::string&)> OnMessage;
  // The executable's directory with its trailing backslash, against which
  // a relative SkinDirectory is resolved.
  std::string ProgramDirectory;

  // Properties with setters.
  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& value);
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& value);
  const std::vector<TsStoredSkin>& InternalSkins() const { return internalSkins_; }
  void SetInternalSkins(std::vector<TsStoredSkin> value) { internalSkins_ = std::move(value); }
  bool IsDefault() const { return DefaultManager() == this; }
  void SetIsDefault(bool value);
  // The loaded skin's version with "." as separator, or "N/A" without a skin.
  std::string SkinInfo() const;

  // The manager every skinned form and control uses; null before the first.
  static TsSkinManager* DefaultManager();

  // Reading the form data: BeginLoading, then the properties as they
  // arrive (a skin named now is loaded but not yet shown), then Loaded when
  // the form has finished. ReadProperties does the first two in the order
  // the form data holds them.
  void BeginLoading() { readingFormData_ = true; }
  void ReadProperties(const TsStoredManagerProperties& stored);
  void Loaded();

  std::string GetFullSkinDirectory() const;

  // Re-applies the loaded skin to every window, repainting them when asked.
  void UpdateSkin(bool repaint = true);
  // Every window repaints with the current skin.
  void RepaintForms();
  // Every window using section `name` (compared upper-cased) refreshes.
  void UpdateSkinSection(const std::string& name);
  // While updating, a newly loaded skin is not applied; EndUpdate applies it.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate(bool repaint);

  // The window under the mouse; a change tells the previous window it was
  // left and the new one it was entered.
  TacWindowHandle ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TacWindowHandle window);

  // The internal skins' names, and those with the skins found in the skin
  // directory (sub-directories holding "Options.dat", files "*.asz"),
  // sorted ignoring letter case.
  void GetSkinNames(std::vector<std::string>& list) const;
  void GetExternalSkinNames(std::vector<std::string>& list) const;
  // Writes an internal skin's packed data to <directory>\<name> extracted.asz.
  // ExtractInternalSkin creates the directory; ExtractByIndex needs it.
  // Failures raise ESkinError with the text the user sees.
  void ExtractInternalSkin(const std::string& name, const std::string& directory) const;
  void ExtractByIndex(int index, const std::string& directory) const;

  // Loads a packed container held by the caller (an embedded skin); the
  // bytes are only read.
  void LoadPackedData(const uint8_t* data, size_t size);
  // Loads a packed skin file; `skinPath` becomes SkinData.SkinPath. A
  // missing file is an error.
  void LoadPackedFile(const std::string& fileName, const std::string& skinPath);
  // Loads an unpacked skin: `directory` holds "Options.dat" and the images.
  void LoadSkinDirectory(const std::string& directory);

  // Loads `name` without telling the windows: the packed file
  // <SkinDirectory>\<name>.asz, else the directory <fullSkinDirectory>\<name>
  // with its "Options.dat", else the internal skin of that name, else the
  // first internal skin (SkinName then names it). With no skin at all the
  // model is emptied, the manager turns inactive and false is returned. On
  // an error SkinName goes back to its previous value and the error is
  // raised; the previous model stays.
  bool SelectSkin(const std::string& name, const std::string& fullSkinDirectory);

  // Empties the model (no skin).
  void ClearModel();

  TacWindowHandle FActiveControl = 0;
  bool GlobalHookInstalled = false;

 private:
  void BuildAndSwap(const TacMemIni& options, const SkinImageSource& images, const std::string& skinPath,
                    bool packed);
  void LoadStoredSkin(const TsStoredSkin& skin);
  bool Loading() const;
  void ApplySkin(bool repaint);
  void RemoveSkin();
  void UpdateStdDialogs();
  void Broadcast(TacEngineCommand command, std::string_view section = {});
  void ShowMessage(const std::string& text);
  void ShowError(const std::string& text);

  TacSkinWindows* windows_;
  bool active_ = true;
  std::string skinName_;
  std::string skinDirectory_;
  std::vector<TsStoredSkin> internalSkins_;
  bool readingFormData_ = false;
  int updateCount_ = 0;
};

// The separator of the paths the manager builds: the program's backslash
// on Windows, the host's own elsewhere (tests, the skin tool).
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

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
