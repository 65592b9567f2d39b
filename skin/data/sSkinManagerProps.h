// The skin manager's published settings that are plain data: menu support,
// animations, skinning rules, and the set of properties the settings
// window's form data stores for its manager.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/acSkinPack.h"
#include "skin/data/acThirdParty.h"
#include "skin/data/sSkinData.h"
#include "skin/data/sSysColors.h"

namespace wakespan {

class TsSkinManager;

// A skin stored in the executable: a name and a packed container.
struct TsStoredSkin {
  std::string Name;
  ByteBuffer PackedData;
};

struct TacFont {
  std::string Name = "Tahoma";
  int32_t Height = -11;
  uint8_t Charset = 1;  // the default character set
  TColor Color = TColor(0xFF000000u | kColorWindowText);
};

struct TacMenuSupport {
  std::string IcoLineSkin;  // "ICOLINE" once the form has loaded
  bool UseExtraLine = false;
  int32_t ExtraLineWidth = 32;
  TacFont ExtraLineFont;
};

// Which button events animate.
enum TacBtnEvent : uint8_t { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
struct TacBtnEffects {
  uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TacAnimGroup {
  bool Active = true;
  int32_t Time = 0;
  int32_t Mode = 0;
};

struct TacAnimEffects {
  TsSkinManager* Manager = nullptr;  // the manager these settings belong to
  TacBtnEffects Buttons;
  TacAnimGroup DialogShow, FormShow, FormHide, DialogHide, PageChange;
  TacAnimGroup SkinChanging{true, 100, 0};
};

enum TacSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = uint8_t;
inline constexpr TacSkinningRules kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

// The properties the form data stores, in the order it delivers them.
struct TsStoredManagerProperties {
  TacAnimEffects AnimEffects;
  std::vector<TsStoredSkin> InternalSkins;
  TacMenuSupport MenuSupport;
  std::string SkinDirectory;
  std::string SkinName;
  std::string SkinInfo;  // stored for show; reading ignores it
  ThirdPartyList ThirdParty;
};

// What the settings window stores for its manager `sSkinManager1`, with
// `packedSkin` as the one internal skin "WMP11 (internal)".
TsStoredManagerProperties MainformSkinManagerProperties(ByteBuffer packedSkin);

}  // namespace wakespan
