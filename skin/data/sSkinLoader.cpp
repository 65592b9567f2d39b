#include "skin/data/sSkinLoader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/FirstIndex.h"
#include "skin/data/acMemIni.h"
#include "skin/data/sParentChains.h"
#include "skin/data/sSkinColorShift.h"
#include "skin/data/sSkinLookup.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/data/sSysColors.h"
#include "skin/decode/ImageDecode.h"

namespace wakespan {

const char* const kSkinTooNewMessage =
    "This skin was made for a newer version of the skin engine than this one and may not be shown fully.\n"
    "Please update the components.";

namespace {

namespace fs = std::filesystem;

// The keys a section's general data reads, named in kPropertyKeys in the
// same order.
enum Property : size_t {
  pParentClass, pColor, pFontColor, pTcLeft, pTcTop, pTcRight, pTcBottom,
  pHotFontColor, pHotTcLeft, pHotTcTop, pHotTcRight, pHotTcBottom,
  pGiveOwnFont, pGlow, pGlowMargin, pReservedBoolean, pTransparency, pGradientPercent, pGradientData,
  pImagePercent, pShowFocus, pFadingEnabled, pFadingIterations, pHotColor, pHotTransparency,
  pHotGradientPercent, pHotGradientData, pHotImagePercent, pHotGlowColor, pGlowColor, pHotGlowSize, pGlowSize,
  kPropertyCount
};

constexpr std::string_view kPropertyKeys[kPropertyCount] = {
    s_ParentClass, "COLOR", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM",
    "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM",
    "GIVEOWNFONT", "GLOW", "GLOWMARGIN", "RESERVEDBOOLEAN", "TRANSPARENCY", "GRADIENTPERCENT", "GRADIENTDATA",
    "IMAGEPERCENT", "SHOWFOCUS", "FADINGENABLED", "FADINGITERATIONS", "HOTCOLOR", "HOTTRANSPARENCY",
    "HOTGRADIENTPERCENT", "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "HGCOL", "GCOL", "HGSIZE", "GSIZE"};
static_assert(!kPropertyKeys[kPropertyCount - 1].empty(), "a key name for every property");

// Properties read as text (GRADIENTDATA, the Booleans); all others are
// integers.
bool IsTextProperty(Property p) {
  switch (p) {
    case pParentClass:
    case pGradientData:
    case pHotGradientData:
    case pGiveOwnFont:
    case pReservedBoolean:
    case pShowFocus:
    case pFadingEnabled:
      return true;
    default:
      return false;
  }
}

// A section's values of those keys (the first key of each name, letter case
// ignored; null when absent), found in one pass over its keys, with the
// integer ones parsed once: -1 stands for absent, not a number or -1, all
// of which mean inherited. `counts` has bit p set when the section's own
// value of p counts: a text other than a single "?", a number other than -1.
struct SectionProperties {
  const std::string_view* values[kPropertyCount] = {};
  int32_t numbers[kPropertyCount];
  uint32_t counts = 0;
  static_assert(kPropertyCount <= 32, "one bit per property");

  explicit SectionProperties(const TacIniSection& section) {
    static const FirstIndex<std::string_view, SameTextAsciiEqual> propertyOfKey = [] {
      FirstIndex<std::string_view, SameTextAsciiEqual> index(kPropertyCount);
      for (size_t p = 0; p < kPropertyCount; ++p) index.Add(kPropertyKeys[p], int(p));
      return index;
    }();
    std::fill(std::begin(numbers), std::end(numbers), -1);
    for (const TacIniKey& key : section.Keys) {
      const int p = propertyOfKey.Find(key.Name);
      if (p < 0 || values[p]) continue;
      values[p] = &key.Value;
      if (!IsTextProperty(Property(p))) numbers[p] = ParseSkinInteger(key.Value).value_or(-1);
      if (IsTextProperty(Property(p)) ? key.Value != "?" : numbers[p] != -1) counts |= uint32_t(1) << p;
    }
  }
};

// GLOBALINFO's 16-bit values. A strict key's value that is not a number is
// a load error; the others read such a value as their default.
struct GlobalShortKey {
  std::string_view key;
  int16_t TsSkinData::*field;
  int16_t def;
  bool strict;
};
constexpr GlobalShortKey kGlobalShortKeys[] = {
    {"BORDERWIDTH", &TsSkinData::ExBorderWidth, 4, false},
    {"TITLEHEIGHT", &TsSkinData::ExTitleHeight, 30, false},
    {"MAXHEIGHT", &TsSkinData::ExMaxHeight, 0, false},
    {"FORMOFFSET", &TsSkinData::ExContentOffs, 8, false},
    {"CENTEROFFSET", &TsSkinData::ExCenterOffs, 0, false},
    {"BORDERMODE", &TsSkinData::ExDrawMode, 0, false},
    {"SHADOW1OFFSET", &TsSkinData::Shadow1Offset, 0, true},
    {"SHADOW1BLUR", &TsSkinData::Shadow1Blur, -1, true},
    {"SHADOW1TRANSPARENCY", &TsSkinData::Shadow1Transparency, 0, true},
    {"BISPACE", &TsSkinData::BISpacing, 0, false},
    {"BIVALIGN", &TsSkinData::BIVAlign, 0, false},
    {"BIRIGHT", &TsSkinData::BIRightMargin, 0, false},
    {"BILEFT", &TsSkinData::BILeftMargin, 0, false},
    {"BITOP", &TsSkinData::BITopMargin, 0, false},
    {"BIKEEPHUE", &TsSkinData::BIKeepHUE, 0, false},
    {"BICONCLOSEGLOW", &TsSkinData::BICloseGlow, 0, true},
    {"BICONCLOSEGLOWMARGIN", &TsSkinData::BICloseGlowMargin, 0, true},
    {"BICONMAXGLOW", &TsSkinData::BIMaxGlow, 0, true},
    {"BICONMAXGLOWMARGIN", &TsSkinData::BIMaxGlowMargin, 0, true},
    {"BICONMINGLOW", &TsSkinData::BIMinGlow, 0, true},
    {"BICONMINGLOWMARGIN", &TsSkinData::BIMinGlowMargin, 0, true},
};
// GLOBALINFO's other keys that LoadSkinData and LoadMaskTable read.
constexpr std::string_view kGlobalOtherKeys[] = {"VERSION", "AUTHOR", "DESCRIPTION", "SHADOW1COLOR", "BORDERCOLOR",
                                                 s_MasterBitmap};

int32_t ToInteger(const std::string& text) {
  const std::optional<int32_t> v = ParseSkinInteger(text);
  if (!v) throw ESkinError("'" + text + "' is not a valid integer value");
  return *v;
}

std::shared_ptr<Bitmap> DecodeSkinImage(const ByteBuffer& bytes, bool keep32) {
  DecodedImage decoded = DecodeImage(bytes.data(), bytes.size());
  if (!decoded.Ok() || decoded.Image.Width() == 0) return nullptr;
  if (!keep32 && decoded.Image.Format() != PixelFormat::Bgr24)
    decoded.Image = decoded.Image.ConvertedTo(PixelFormat::Bgr24);
  return std::make_shared<Bitmap>(std::move(decoded.Image));
}

// Each section's inherited border and corner images, resolved for all
// sections at once along the exact-name parent links the lookups follow.
void ResolveSectionImages(TsSkinModel& m) {
  const size_t n = m.gd.size();
  FirstIndex<std::string_view> sections(n);
  std::vector<int> firstOfName(n), parent(n, -1);
  for (size_t i = 0; i < n; ++i) firstOfName[i] = sections.Add(m.gd[i].ClassName, int(i));
  for (size_t i = 0; i < n; ++i)
    if (!m.gd[i].ParentClass.empty()) parent[i] = sections.Find(m.gd[i].ParentClass);
  const ParentChains chains(std::move(parent));
  const std::pair<std::string_view, int32_t TsGeneralData::*> images[] = {
      {s_BordersMask, &TsGeneralData::BorderIndex}, {s_ImgTopLeft, &TsGeneralData::ImgTL},
      {s_ImgTopRight, &TsGeneralData::ImgTR},       {s_ImgBottomLeft, &TsGeneralData::ImgBL},
      {s_ImgBottomRight, &TsGeneralData::ImgBR}};
  std::vector<int> own, source;
  for (const auto& [key, field] : images) {
    // The first mask of the key named like each section, kept at the first
    // section of that name.
    own.assign(n, -1);
    for (size_t i = 0; i < m.ma.size(); ++i) {
      if (m.ma[i].PropertyName != key) continue;
      const int section = sections.Find(m.ma[i].ClassName);
      if (section >= 0 && own[size_t(section)] < 0) own[size_t(section)] = int(i);
    }
    chains.Resolve([&own](int node) { return own[size_t(node)] >= 0; }, source);
    for (size_t i = 0; i < n; ++i) {
      if (m.gd[i].ClassName == std::string_view(s_GlobalInfo)) continue;
      const int from = source[size_t(firstOfName[i])];
      m.gd[i].*field = from < 0 ? -1 : own[size_t(from)];
    }
  }
}

// Index of `section` and, through it, its masks of the given keys.
struct SectionMasks {
  int index;
  const char* name;
};

void InitConstantIndexes(TsSkinModel& m, const TsSkinTableIndex& index) {
  TConstantSkinData& c = m.ConstData;
  c = TConstantSkinData{};
  const auto Sect = [&index](const char* name, int32_t& out) {
    out = index.GetSkinIndex(name);
    return SectionMasks{out, name};
  };
  const auto Mask = [&index](const SectionMasks& s, const char* key) {
    return index.GetMaskIndex(s.index, s.name, key);
  };
  const SectionMasks global = Sect(s_GlobalInfo, c.IndexGLobalInfo);
  if (global.index >= 0) {
    c.CheckBoxChecked = Mask(global, s_CheckBoxChecked);
    c.CheckBoxUnChecked = Mask(global, s_CheckBoxUnChecked);
    c.CheckBoxGrayed = Mask(global, s_CheckBoxGrayed);
    c.RadioButtonChecked = Mask(global, s_RadioButtonChecked);
    c.RadioButtonUnChecked = Mask(global, s_RadioButtonUnChecked);
    c.RadioButtonGrayed = Mask(global, s_RadioButtonGrayed);
    c.SmallCheckBoxChecked = Mask(global, s_SmallBoxChecked);
    c.SmallCheckBoxUnChecked = Mask(global, s_SmallBoxUnChecked);
    c.SmallCheckBoxGrayed = Mask(global, s_SmallBoxGrayed);
    c.ExBorder = Mask(global, s_ExBorder);
  }
  const SectionMasks combo = Sect(s_ComboBtn, c.ComboBtnIndex);
  c.ComboBtnBorder = index.GetMaskIndex(s_ComboBtn, s_BordersMask);
  c.ComboBtnBG = index.GetTextureIndex(combo.index, s_ComboBtn, s_Pattern);
  c.ComboBtnBGHot = index.GetTextureIndex(combo.index, s_ComboBtn, s_HotPattern);
  c.ComboGlyph = index.GetMaskIndex(index.GetSkinIndex(s_ComboBox), s_ComboBox, s_GlyphMask);

  c.MaskTabTop = Mask(Sect(s_TabTop, c.IndexTabTop), s_BordersMask);
  c.MaskTabBottom = Mask(Sect(s_TabBottom, c.IndexTabBottom), s_BordersMask);
  c.MaskTabLeft = Mask(Sect(s_TabLeft, c.IndexTabLeft), s_BordersMask);
  c.MaskTabRight = Mask(Sect(s_TabRight, c.IndexTabRight), s_BordersMask);

  // Scroll buttons and sliders: border, glyph, pattern and hot pattern.
  struct ScrollPart {
    const char* section;
    int32_t *index, *border, *glyph, *bg, *bgHot;
  };
  const ScrollPart parts[] = {
      {s_ScrollBtnTop, &c.IndexScrollTop, &c.MaskScrollTop, &c.MaskArrowTop, &c.IndexBGScrollTop,
       &c.IndexBGHotScrollTop},
      {s_ScrollBtnBottom, &c.IndexScrollBottom, &c.MaskScrollBottom, &c.MaskArrowBottom, &c.IndexBGScrollBottom,
       &c.IndexBGHotScrollBottom},
      {s_ScrollBtnLeft, &c.IndexScrollLeft, &c.MaskScrollLeft, &c.MaskArrowLeft, &c.IndexBGScrollLeft,
       &c.IndexBGHotScrollLeft},
      {s_ScrollBtnRight, &c.IndexScrollRight, &c.MaskScrollRight, &c.MaskArrowRight, &c.IndexBGScrollRight,
       &c.IndexBGHotScrollRight},
      {s_ScrollSliderV, &c.IndexSliderVert, &c.MaskSliderVert, &c.MaskSliderGlyphVert, &c.ScrollSliderBGVert,
       &c.ScrollSliderBGHotVert},
      {s_ScrollSliderH, &c.IndexSliderHorz, &c.MaskSliderHorz, &c.MaskSliderGlyphHorz, &c.ScrollSliderBGHorz,
       &c.ScrollSliderBGHotHorz},
  };
  for (const ScrollPart& p : parts) {
    const SectionMasks s = Sect(p.section, *p.index);
    *p.border = Mask(s, s_BordersMask);
    *p.glyph = Mask(s, s_GlyphMask);
    *p.bg = Mask(s, s_Pattern);
    *p.bgHot = Mask(s, s_HotPattern);
  }
  struct ScrollBar {
    const char* section;
    int32_t *index, *border, *bg, *bgHot;
  };
  const ScrollBar bars[] = {
      {s_ScrollBar1H, &c.IndexScrollBar1H, &c.MaskScrollBar1H, &c.BGScrollBar1H, &c.BGHotScrollBar1H},
      {s_ScrollBar1V, &c.IndexScrollBar1V, &c.MaskScrollBar1V, &c.BGScrollBar1V, &c.BGHotScrollBar1V},
      {s_ScrollBar2H, &c.IndexScrollBar2H, &c.MaskScrollBar2H, &c.BGScrollBar2H, &c.BGHotScrollBar2H},
      {s_ScrollBar2V, &c.IndexScrollBar2V, &c.MaskScrollBar2V, &c.BGScrollBar2V, &c.BGHotScrollBar2V},
  };
  for (const ScrollBar& b : bars) {
    const SectionMasks s = Sect(b.section, *b.index);
    *b.border = Mask(s, s_BordersMask);
    *b.bg = Mask(s, s_Pattern);
    *b.bgHot = Mask(s, s_HotPattern);
  }
}

class ModelBuilder {
 public:
  ModelBuilder(const TacMemIni& ini, const SkinImageSource& images, const SkinBuildSettings& settings,
               TsSkinModel& model)
      : ini_(ini), images_(images), settings_(settings), m_(model) {}

  void Build() {
    m_.SkinIsPacked = settings_.Packed;
    m_.SkinData.SkinPath = settings_.SkinPath;
    ListValues();
    LoadMaskTable();
    LoadPatternTable();
    LoadAllGeneralData();
    ResolveCachedIndexes(m_);
    ApplySkinColorShift(m_, settings_.HueOffset, settings_.Saturation);
  }

 private:
  std::shared_ptr<Bitmap> LoadImage(const std::string& name, bool keep32) const {
    ByteBuffer storage;
    const ByteBuffer* bytes = images_.Find(name, storage);
    return bytes ? DecodeSkinImage(*bytes, keep32) : nullptr;
  }

  // Every (section, key) in file order whose value may name an image; a
  // repeated section name reads the first section of that name, as reading
  // by name does, and a repeated key the value of its first occurrence.
  // Listed once for the mask and pattern passes alike.
  void ListValues() {
    const std::vector<TacIniSection>& sections = ini_.Sections();
    firstOfName_.clear();
    firstOfName_.reserve(sections.size());
    size_t total = 0;
    for (const TacIniSection& listed : sections) {
      firstOfName_.push_back(ini_.FindSection(listed.Name));
      total += firstOfName_.back()->Keys.size();
    }
    if (sections.size() > kMaxSkinSections || total > kMaxSkinValues)
      throw ESkinError("The skin's options hold " + std::to_string(sections.size()) + " sections and " +
                       std::to_string(total) + " values, more than a skin can use");
    values_.clear();
    for (size_t i = 0; i < sections.size(); ++i) {
      const std::vector<TacIniKey>& keys = firstOfName_[i]->Keys;
      FirstKeys firstKeys(keys);
      for (size_t k = 0; k < keys.size(); ++k) {
        const std::string_view value = firstKeys.ValueOf(k);
        if (MayNameImage(value)) values_.push_back({sections[i].Name, keys[k].Name, value});
      }
    }
  }

  // Images are named by a value starting with a reference mark or by a
  // file name, which has an extension.
  static bool MayNameImage(std::string_view value) {
    return !value.empty() && (std::string_view("@^~!").find(value[0]) != std::string_view::npos ||
                              value.find('.') != std::string_view::npos);
  }

  // The value of the first key named like each key of a section: searched
  // among the keys before it in a usual section of a few dozen keys, hashed
  // in a longer one.
  class FirstKeys {
   public:
    explicit FirstKeys(const std::vector<TacIniKey>& keys) : keys_(keys) {
      if (keys.size() <= kScanLimit) return;
      FirstIndex<std::string_view, SameTextAsciiEqual> hashed(keys.size());
      first_.reserve(keys.size());
      for (size_t k = 0; k < keys.size(); ++k) first_.push_back(hashed.Add(keys[k].Name, int(k)));
    }
    std::string_view ValueOf(size_t k) const {
      if (!first_.empty()) return keys_[size_t(first_[k])].Value;
      for (size_t i = 0; i < k; ++i)
        if (SameTextAscii(keys_[i].Name, keys_[k].Name)) return keys_[i].Value;
      return keys_[k].Value;
    }

   private:
    static constexpr size_t kScanLimit = 64;
    const std::vector<TacIniKey>& keys_;
    std::vector<int> first_;  // position of each key's first occurrence, when hashed
  };

  template <typename Visit>
  void ForEachValue(Visit visit) const {
    for (const OptionValue& v : values_) visit(v.section, v.key, v.value);
  }

  void LoadMaskTable() {
    const std::string master = ini_.ReadString(s_GlobalInfo, s_MasterBitmap, "");
    if (!master.empty()) m_.MasterBitmap = LoadImage(master, false);
    m_.ma.reserve(values_.size());
    ForEachValue([this](std::string_view section, std::string_view key, std::string_view value) {
      if ((SameTextAscii(section, s_GlobalInfo) && SameTextAscii(key, s_MasterBitmap))) return;
      ImageReference ref = ParseImageReference(section, key, value);
      if (ref.kind == ImageReference::None) return;
      if (ref.kind == ImageReference::File) {
        const bool png = ContainsIgnoringCase(ref.fileName, ".PNG");
        ref.entry.Bmp = LoadImage(ref.fileName, png || ref.entry.ImgType == itisaTexture);
        if (!ref.entry.Bmp) return;
        ref.entry.R = Rect{0, 0, ref.entry.Bmp->Width(), ref.entry.Bmp->Height()};
        if (!ref.ownBorders) ComputeMaskBorders(ref.entry);
      }
      m_.ma.push_back(std::move(ref.entry));
    });
  }

  void LoadPatternTable() {
    ForEachValue([this](std::string_view section, std::string_view key, std::string_view value) {
      if (!ContainsIgnoringCase(value, ".JPG") && !ContainsIgnoringCase(value, ".JPEG")) return;
      std::shared_ptr<Bitmap> image = LoadImage(UpperCase(std::string(value)), false);
      if (!image) return;
      if (int64_t(image->Width()) * image->Height() >= kMinPatternPixels) {
        m_.pa.push_back(TsPatternData{std::move(image), std::string(section), std::string(key)});
        return;
      }
      TsMaskData texture;
      texture.R = Rect{0, 0, image->Width(), image->Height()};
      texture.Bmp = std::move(image);
      texture.ClassName = UpperCase(std::string(section));
      texture.PropertyName = UpperCase(std::string(key));
      texture.ImageCount = 1;
      texture.ImgType = itisaTexture;
      m_.ma.push_back(std::move(texture));
    });
  }

  // The node whose value of `p` section `node` inherits, or null: the
  // first along its PARENTCLASS chain with a value that counts.
  const std::string_view* Inherited(size_t node, Property p) const {
    const int source = inherited_[p][node];
    return source < 0 ? nullptr : sectionProperties_[size_t(source)].values[p];
  }

  std::string ReadInheritedString(size_t node, Property p, const std::string& def) const {
    const std::string_view* v = Inherited(node, p);
    return v ? std::string(*v) : def;
  }

  int32_t ReadInheritedInteger(size_t node, Property p, int32_t def) const {
    const int source = inherited_[p][node];
    return source < 0 ? def : sectionProperties_[size_t(source)].numbers[p];
  }

  bool ReadInheritedBool(size_t node, Property p) const {
    const std::string_view* v = Inherited(node, p);
    return v && SameTextAscii(*v, "TRUE");
  }

  // Each section's chain runs from its node through the first section named
  // by each PARENTCLASS; it stops at an empty name, "?", a missing section
  // or a section met before (which a section naming itself is).
  void ResolveInheritance() {
    const std::vector<TacIniSection>& sections = ini_.Sections();
    std::vector<int> parent(sections.size(), -1);
    for (size_t i = 0; i < sections.size(); ++i) {
      const std::string_view* name = sectionProperties_[i].values[pParentClass];
      if (!name || name->empty() || *name == "?") continue;
      if (const TacIniSection* s = ini_.FindSection(*name)) parent[i] = int(s - sections.data());
    }
    const ParentChains chains(std::move(parent));
    for (size_t p = 0; p < kPropertyCount; ++p) {
      if (p == pParentClass) continue;
      chains.Resolve(
          [this, p](int node) { return (sectionProperties_[size_t(node)].counts >> p & 1) != 0; },
          inherited_[p]);
    }
  }

  void LoadSkinData() {
    TsSkinData& d = m_.SkinData;
    d.Version = ParseSkinFloat(ini_.ReadString(s_GlobalInfo, "VERSION", "0")).value_or(0);
    d.Author = ini_.ReadString(s_GlobalInfo, "AUTHOR", "");
    d.Description = ini_.ReadString(s_GlobalInfo, "DESCRIPTION", "");
    d.Shadow1Color = ini_.ReadInteger(s_GlobalInfo, "SHADOW1COLOR", 0);
    d.BorderColor = ini_.ReadInteger(s_GlobalInfo, "BORDERCOLOR", 0);
    for (const GlobalShortKey& k : kGlobalShortKeys) {
      d.*k.field = int16_t(k.strict ? ToInteger(ini_.ReadString(s_GlobalInfo, k.key, std::to_string(k.def)))
                                    : ini_.ReadInteger(s_GlobalInfo, k.key, k.def));
    }
    if (d.Version > kNewestSupportedVersion && settings_.OnMessage) settings_.OnMessage(kSkinTooNewMessage);
  }

  void ReadColors(size_t s, const Property keys[5], const TColor defs[5], TColor out[5]) const {
    for (int i = 0; i < 5; ++i) out[i] = ReadInheritedInteger(s, keys[i], defs[i]);
  }

  TsGeneralData ReadGeneralData(size_t listed, std::string_view name) const {
    static const Property fontKeys[5] = {pFontColor, pTcLeft, pTcTop, pTcRight, pTcBottom};
    static const Property hotFontKeys[5] = {pHotFontColor, pHotTcLeft, pHotTcTop, pHotTcRight, pHotTcBottom};
    static const TColor fontDefaults[5] = {0, -1, -1, -1, -1};
    const size_t s = size_t(firstOfName_[listed] - ini_.Sections().data());
    TsGeneralData g;
    g.ClassName = std::string(name);
    const std::string_view* parent = sectionProperties_[s].values[pParentClass];
    g.ParentClass = parent ? std::string(*parent) : std::string();
    g.Color = ColorToRGB(ReadInheritedInteger(s, pColor, 0xFFFFFF));
    ReadColors(s, fontKeys, fontDefaults, g.FontColor);
    ReadColors(s, hotFontKeys, fontDefaults, g.HotFontColor);
    g.GiveOwnFont = ReadInheritedBool(s, pGiveOwnFont);
    g.GlowCount = ReadInheritedInteger(s, pGlow, 0);
    g.GlowMargin = ReadInheritedInteger(s, pGlowMargin, 0);
    g.ReservedBoolean = ReadInheritedBool(s, pReservedBoolean);
    g.Transparency = ReadInheritedInteger(s, pTransparency, 0);
    g.GradientPercent = ReadInheritedInteger(s, pGradientPercent, 0);
    g.GradientData = ReadInheritedString(s, pGradientData, " ");
    if (g.GradientData != " ") g.GradientArray = ParseGradientData(g.GradientData);
    g.ImagePercent = ReadInheritedInteger(s, pImagePercent, 0);
    g.ShowFocus = ReadInheritedBool(s, pShowFocus);
    g.FadingEnabled = ReadInheritedBool(s, pFadingEnabled);
    g.FadingIterations = ReadInheritedInteger(s, pFadingIterations, 5);
    g.HotColor = ReadInheritedInteger(s, pHotColor, 0xFFFFFF);
    g.HotTransparency = ReadInheritedInteger(s, pHotTransparency, 0);
    g.HotGradientPercent = ReadInheritedInteger(s, pHotGradientPercent, 0);
    g.HotGradientData = ReadInheritedString(s, pHotGradientData, "");
    if (g.HotGradientData != " ") g.HotGradientArray = ParseGradientData(g.HotGradientData);
    g.HotImagePercent = ReadInheritedInteger(s, pHotImagePercent, 0);
    g.HotGlowColor = ColorToRGB(ReadInheritedInteger(s, pHotGlowColor, 0xFFFFFF));
    g.GlowColor = ColorToRGB(ReadInheritedInteger(s, pGlowColor, 0xFFFFFF));
    g.HotGlowSize = uint8_t(ReadInheritedInteger(s, pHotGlowSize, 0));
    g.GlowSize = uint8_t(ReadInheritedInteger(s, pGlowSize, 0));
    return g;
  }

  void LoadAllGeneralData() {
    LoadSkinData();
    m_.gd.clear();
    m_.gd.reserve(ini_.Sections().size());
    sectionProperties_.clear();
    sectionProperties_.reserve(ini_.Sections().size());
    for (const TacIniSection& section : ini_.Sections()) sectionProperties_.emplace_back(section);
    ResolveInheritance();
    for (size_t i = 0; i < ini_.Sections().size(); ++i) m_.gd.push_back(ReadGeneralData(i, ini_.Sections()[i].Name));
  }

  const TacMemIni& ini_;
  const SkinImageSource& images_;
  const SkinBuildSettings& settings_;
  TsSkinModel& m_;
  struct OptionValue {
    std::string_view section;
    std::string_view key;
    std::string_view value;
  };
  std::vector<OptionValue> values_;
  std::vector<const TacIniSection*> firstOfName_;    // the section each listed one reads
  std::vector<SectionProperties> sectionProperties_;  // by section position in ini_
  std::vector<int> inherited_[kPropertyCount];        // by property, then section position
};

}  // namespace

const ByteBuffer* PackedImageSource::Find(const std::string& name, ByteBuffer&) const {
  const TacImageItem* item = reader_.FindImage(name);
  return item ? &item->FileStream : nullptr;
}

void RequireSkinFileSize(const std::string& path) {
  std::error_code ec;
  const uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > kMaxSkinFileBytes)
    throw ESkinError("The skin file " + path + " is too large (" + std::to_string(size) + " bytes)");
}

bool ReadFileIgnoringCase(const std::string& directory, const std::string& name, ByteBuffer& out) {
  std::error_code ec;
  fs::path path = fs::path(directory) / name;
  if (!fs::is_regular_file(path, ec)) {
    const fs::path folder = path.parent_path();
    const std::string wanted = UpperCase(path.filename().string());
    path.clear();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (UpperCase(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
        path = it->path();
        break;
      }
    }
    if (path.empty()) return false;
  }
  RequireSkinFileSize(path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

const ByteBuffer* DirectoryImageSource::Find(const std::string& name, ByteBuffer& storage) const {
  const bool ownPath = name.find(':') != std::string::npos;
  return ReadFileIgnoringCase(ownPath ? std::string() : directory_, name, storage) ? &storage : nullptr;
}

bool IsKeyTheLoaderReads(std::string_view section, std::string_view key) {
  const auto same = [key](std::string_view known) { return SameTextAscii(known, key); };
  if (std::any_of(std::begin(kPropertyKeys), std::end(kPropertyKeys), same)) return true;
  if (!SameTextAscii(section, s_GlobalInfo)) return false;
  return std::any_of(std::begin(kGlobalOtherKeys), std::end(kGlobalOtherKeys), same) ||
         std::any_of(std::begin(kGlobalShortKeys), std::end(kGlobalShortKeys),
                     [&](const GlobalShortKey& k) { return same(k.key); });
}

void ResolveCachedIndexes(TsSkinModel& model) {
  // The tables are complete: every cached index is looked up through one
  // hashed index of them.
  ResolveSectionImages(model);
  InitConstantIndexes(model, TsSkinTableIndex(model));
}

void BuildSkinModel(const TacMemIni& options, const SkinImageSource& images, const SkinBuildSettings& settings,
                    TsSkinModel& model) {
  ModelBuilder(options, images, settings, model).Build();
}

}  // namespace wakespan
