// Per-section general data, the skin-wide data of "GLOBALINFO" and the
// cached indexes of well-known sections and images.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wakespan {

using TColor = int32_t;  // 0x00BBGGRR; negative values name system colours

// One gradient segment: five numbers of the gradient text.
struct TsGradPie {
  TColor Color1 = 0;  // at least 0
  TColor Color2 = 0;  // at least 0
  uint8_t Percent = 0;  // 0..100
  int32_t Mode1 = 0;
  int32_t Mode2 = 0;  // never read; stays 0
};
using TsGradArray = std::vector<TsGradPie>;

// "c1;c2;percent;mode;mode2;..." with runs of ";" counting as one; trailing
// numbers short of a segment are ignored. A piece that is not an integer
// raises ESkinError.
TsGradArray ParseGradientData(std::string_view text);

struct TsGeneralData {
  std::string ClassName;
  std::string ParentClass;
  TColor Color = 0xFFFFFF;
  TColor FontColor[5] = {0, -1, -1, -1, -1};  // text, then left, top, right, bottom side
  TColor HotFontColor[5] = {0, -1, -1, -1, -1};
  bool GiveOwnFont = false;
  int32_t GlowCount = 0;
  int32_t GlowMargin = 0;
  bool ReservedBoolean = false;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData = " ";
  TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIterations = 5;
  TColor HotColor = 0xFFFFFF;
  int32_t HotTransparency = 0;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  int32_t HotImagePercent = 0;
  TColor HotGlowColor = 0xFFFFFF;
  TColor GlowColor = 0xFFFFFF;
  uint8_t HotGlowSize = 0;
  uint8_t GlowSize = 0;
  int32_t BorderIndex = -1;
  int32_t ImgTL = -1, ImgTR = -1, ImgBL = -1, ImgBR = -1;
};

// Skin-wide values of "GLOBALINFO", read without inheritance.
struct TsSkinData {
  double Version = 0;
  std::string Author;
  std::string Description;
  int16_t ExBorderWidth = 4;
  int16_t ExTitleHeight = 30;
  int16_t ExMaxHeight = 0;  // 0: the title height
  int16_t ExContentOffs = 8;
  int16_t ExCenterOffs = 0;
  int16_t ExDrawMode = 0;
  TColor Shadow1Color = 0;
  int16_t Shadow1Offset = 0;
  int16_t Shadow1Blur = -1;
  int16_t Shadow1Transparency = 0;
  int16_t BISpacing = 0;
  int16_t BIVAlign = 0;
  int16_t BIRightMargin = 0;
  int16_t BILeftMargin = 0;
  int16_t BITopMargin = 0;
  TColor BorderColor = 0;
  int16_t BIKeepHUE = 0;  // 0 none, 1 all title icons, other: the close icons
  int16_t BICloseGlow = 0, BICloseGlowMargin = 0;
  int16_t BIMaxGlow = 0, BIMaxGlowMargin = 0;
  int16_t BIMinGlow = 0, BIMinGlowMargin = 0;
  std::string SkinPath;  // with a trailing separator; empty for an embedded skin
  bool Active = false;
  TColor FXColor = 0;
};

// Cached indexes of well-known sections (into gd) and images (into ma);
// -1 when missing.
struct TConstantSkinData {
  int32_t IndexGLobalInfo = -1;
  int32_t CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
  int32_t RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
  int32_t SmallCheckBoxChecked = -1, SmallCheckBoxUnChecked = -1, SmallCheckBoxGrayed = -1;
  int32_t ExBorder = -1;

  int32_t ComboBtnIndex = -1, ComboBtnBorder = -1, ComboBtnBG = -1, ComboBtnBGHot = -1, ComboGlyph = -1;

  int32_t IndexTabTop = -1, IndexTabBottom = -1, IndexTabLeft = -1, IndexTabRight = -1;
  int32_t MaskTabTop = -1, MaskTabBottom = -1, MaskTabLeft = -1, MaskTabRight = -1;

  int32_t IndexScrollTop = -1, IndexScrollBottom = -1, IndexScrollLeft = -1, IndexScrollRight = -1;
  int32_t IndexSliderVert = -1, IndexSliderHorz = -1;
  int32_t MaskScrollTop = -1, MaskScrollBottom = -1, MaskScrollLeft = -1, MaskScrollRight = -1;
  int32_t MaskSliderVert = -1, MaskSliderHorz = -1;
  int32_t MaskArrowTop = -1, MaskArrowBottom = -1, MaskArrowLeft = -1, MaskArrowRight = -1;
  int32_t MaskSliderGlyphVert = -1, MaskSliderGlyphHorz = -1;
  int32_t IndexBGScrollTop = -1, IndexBGScrollBottom = -1, IndexBGScrollLeft = -1, IndexBGScrollRight = -1;
  int32_t ScrollSliderBGHorz = -1, ScrollSliderBGVert = -1;
  int32_t IndexBGHotScrollTop = -1, IndexBGHotScrollBottom = -1, IndexBGHotScrollLeft = -1,
          IndexBGHotScrollRight = -1;
  int32_t ScrollSliderBGHotHorz = -1, ScrollSliderBGHotVert = -1;

  int32_t IndexScrollBar1H = -1, IndexScrollBar1V = -1, IndexScrollBar2H = -1, IndexScrollBar2V = -1;
  int32_t MaskScrollBar1H = -1, MaskScrollBar1V = -1, MaskScrollBar2H = -1, MaskScrollBar2V = -1;
  int32_t BGScrollBar1H = -1, BGScrollBar1V = -1, BGScrollBar2H = -1, BGScrollBar2V = -1;
  int32_t BGHotScrollBar1H = -1, BGHotScrollBar1V = -1, BGHotScrollBar2H = -1, BGHotScrollBar2V = -1;
};

}  // namespace wakespan
