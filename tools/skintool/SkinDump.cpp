#include "SkinDump.h"

#include <iomanip>
#include <sstream>

#include "skin/data/sSkinManager.h"

namespace wakespan {

namespace {

const char* ImgTypeName(TacImgType type) {
  static const char* const names[] = {"itisaBorder", "itisaTexture", "itisaGlyph", "itisaGlow", "itisaPngGlyph"};
  return type >= 0 && type <= kLastImgType ? names[type] : "?";
}

std::string Hex(TColor c) {
  std::ostringstream s;
  s << "0x" << std::hex << std::uppercase << std::setw(6) << std::setfill('0') << uint32_t(c);
  return s.str();
}

std::string Colors(const TColor (&c)[5]) {
  std::string s;
  for (int i = 0; i < 5; ++i) s += (i ? " " : "") + std::to_string(c[i]);
  return s;
}

std::string Gradient(const TsGradArray& a) {
  std::string s;
  for (const TsGradPie& p : a)
    s += (s.empty() ? "" : " | ") + std::to_string(p.Color1) + "->" + std::to_string(p.Color2) + " " +
         std::to_string(p.Percent) + "% mode " + std::to_string(p.Mode1);
  return s.empty() ? "none" : s;
}

void DumpSkinData(const TsSkinData& d, std::ostream& out) {
  out << "Version " << d.Version << "\n"
      << "Author \"" << d.Author << "\"\nDescription \"" << d.Description << "\"\n"
      << "SkinPath \"" << d.SkinPath << "\"\n"
      << "ExBorderWidth " << d.ExBorderWidth << " ExTitleHeight " << d.ExTitleHeight << " ExMaxHeight "
      << d.ExMaxHeight << " ExContentOffs " << d.ExContentOffs << " ExCenterOffs " << d.ExCenterOffs
      << " ExDrawMode " << d.ExDrawMode << "\n"
      << "Shadow1Color " << Hex(d.Shadow1Color) << " Shadow1Offset " << d.Shadow1Offset << " Shadow1Blur "
      << d.Shadow1Blur << " Shadow1Transparency " << d.Shadow1Transparency << "\n"
      << "BISpacing " << d.BISpacing << " BIVAlign " << d.BIVAlign << " BIRightMargin " << d.BIRightMargin
      << " BILeftMargin " << d.BILeftMargin << " BITopMargin " << d.BITopMargin << " BIKeepHUE " << d.BIKeepHUE
      << "\nBorderColor " << Hex(d.BorderColor) << "\n";
}

void DumpSection(int i, const TsGeneralData& g, std::ostream& out) {
  out << "[" << i << "] " << g.ClassName;
  if (!g.ParentClass.empty()) out << " (" << g.ParentClass << ")";
  out << "\n  Color " << g.Color << " (" << Hex(g.Color) << ") HotColor " << g.HotColor << " ("
      << Hex(g.HotColor) << ")\n  FontColor " << Colors(g.FontColor) << "\n  HotFontColor "
      << Colors(g.HotFontColor) << "\n  Transparency " << g.Transparency << " HotTransparency "
      << g.HotTransparency << " GradientPercent " << g.GradientPercent << " HotGradientPercent "
      << g.HotGradientPercent << " ImagePercent " << g.ImagePercent << " HotImagePercent " << g.HotImagePercent
      << "\n  Gradient " << Gradient(g.GradientArray) << "\n  HotGradient " << Gradient(g.HotGradientArray)
      << "\n  GiveOwnFont " << g.GiveOwnFont << " ShowFocus " << g.ShowFocus << " FadingEnabled "
      << g.FadingEnabled << " FadingIterations " << g.FadingIterations << " ReservedBoolean "
      << g.ReservedBoolean << "\n  Glow " << g.GlowCount << " GlowMargin " << g.GlowMargin << " GlowColor "
      << Hex(g.GlowColor) << " HotGlowColor " << Hex(g.HotGlowColor) << " GlowSize " << int(g.GlowSize)
      << " HotGlowSize " << int(g.HotGlowSize) << "\n  BorderIndex " << g.BorderIndex << " ImgTL " << g.ImgTL
      << " ImgTR " << g.ImgTR << " ImgBL " << g.ImgBL << " ImgBR " << g.ImgBR << "\n";
}

void DumpMask(int i, const TsMaskData& m, std::ostream& out) {
  out << "[" << i << "] " << m.ClassName << "/" << m.PropertyName << " R (" << m.R.Left << ", " << m.R.Top << ", "
      << m.R.Right << ", " << m.R.Bottom << ") ImageCount " << m.ImageCount << " MaskType " << m.MaskType
      << " DrawMode " << m.DrawMode << " BorderWidth " << m.BorderWidth << " " << ImgTypeName(m.ImgType)
      << " WL " << m.WL << " WT " << m.WT << " WR " << m.WR << " WB " << m.WB;
  if (m.Bmp) out << " own bitmap " << m.Bmp->Width() << " x " << m.Bmp->Height() << " x " << m.Bmp->BytesPerPixel() * 8;
  out << "\n";
}

void DumpConstData(const TConstantSkinData& c, std::ostream& out) {
#define WAKESPAN_FIELD(name) out << "  " #name " " << c.name << "\n"
  WAKESPAN_FIELD(IndexGLobalInfo);
  WAKESPAN_FIELD(CheckBoxChecked);
  WAKESPAN_FIELD(CheckBoxUnChecked);
  WAKESPAN_FIELD(CheckBoxGrayed);
  WAKESPAN_FIELD(RadioButtonChecked);
  WAKESPAN_FIELD(RadioButtonUnChecked);
  WAKESPAN_FIELD(RadioButtonGrayed);
  WAKESPAN_FIELD(SmallCheckBoxChecked);
  WAKESPAN_FIELD(SmallCheckBoxUnChecked);
  WAKESPAN_FIELD(SmallCheckBoxGrayed);
  WAKESPAN_FIELD(ExBorder);
  WAKESPAN_FIELD(ComboBtnIndex);
  WAKESPAN_FIELD(ComboBtnBorder);
  WAKESPAN_FIELD(ComboBtnBG);
  WAKESPAN_FIELD(ComboBtnBGHot);
  WAKESPAN_FIELD(ComboGlyph);
  WAKESPAN_FIELD(IndexTabTop);
  WAKESPAN_FIELD(IndexTabBottom);
  WAKESPAN_FIELD(IndexTabLeft);
  WAKESPAN_FIELD(IndexTabRight);
  WAKESPAN_FIELD(MaskTabTop);
  WAKESPAN_FIELD(MaskTabBottom);
  WAKESPAN_FIELD(MaskTabLeft);
  WAKESPAN_FIELD(MaskTabRight);
  WAKESPAN_FIELD(IndexScrollTop);
  WAKESPAN_FIELD(IndexScrollBottom);
  WAKESPAN_FIELD(IndexScrollLeft);
  WAKESPAN_FIELD(IndexScrollRight);
  WAKESPAN_FIELD(IndexSliderVert);
  WAKESPAN_FIELD(IndexSliderHorz);
  WAKESPAN_FIELD(MaskScrollTop);
  WAKESPAN_FIELD(MaskScrollBottom);
  WAKESPAN_FIELD(MaskScrollLeft);
  WAKESPAN_FIELD(MaskScrollRight);
  WAKESPAN_FIELD(MaskSliderVert);
  WAKESPAN_FIELD(MaskSliderHorz);
  WAKESPAN_FIELD(MaskArrowTop);
  WAKESPAN_FIELD(MaskArrowBottom);
  WAKESPAN_FIELD(MaskArrowLeft);
  WAKESPAN_FIELD(MaskArrowRight);
  WAKESPAN_FIELD(MaskSliderGlyphVert);
  WAKESPAN_FIELD(MaskSliderGlyphHorz);
  WAKESPAN_FIELD(IndexBGScrollTop);
  WAKESPAN_FIELD(IndexBGScrollBottom);
  WAKESPAN_FIELD(IndexBGScrollLeft);
  WAKESPAN_FIELD(IndexBGScrollRight);
  WAKESPAN_FIELD(ScrollSliderBGHorz);
  WAKESPAN_FIELD(ScrollSliderBGVert);
  WAKESPAN_FIELD(IndexBGHotScrollTop);
  WAKESPAN_FIELD(IndexBGHotScrollBottom);
  WAKESPAN_FIELD(IndexBGHotScrollLeft);
  WAKESPAN_FIELD(IndexBGHotScrollRight);
  WAKESPAN_FIELD(ScrollSliderBGHotHorz);
  WAKESPAN_FIELD(ScrollSliderBGHotVert);
  WAKESPAN_FIELD(IndexScrollBar1H);
  WAKESPAN_FIELD(IndexScrollBar1V);
  WAKESPAN_FIELD(IndexScrollBar2H);
  WAKESPAN_FIELD(IndexScrollBar2V);
  WAKESPAN_FIELD(MaskScrollBar1H);
  WAKESPAN_FIELD(MaskScrollBar1V);
  WAKESPAN_FIELD(MaskScrollBar2H);
  WAKESPAN_FIELD(MaskScrollBar2V);
  WAKESPAN_FIELD(BGScrollBar1H);
  WAKESPAN_FIELD(BGScrollBar1V);
  WAKESPAN_FIELD(BGScrollBar2H);
  WAKESPAN_FIELD(BGScrollBar2V);
  WAKESPAN_FIELD(BGHotScrollBar1H);
  WAKESPAN_FIELD(BGHotScrollBar1V);
  WAKESPAN_FIELD(BGHotScrollBar2H);
  WAKESPAN_FIELD(BGHotScrollBar2V);
#undef WAKESPAN_FIELD
}

}  // namespace

void DumpSkin(const TsSkinModel& m, std::ostream& out) {
  DumpSkinData(m.SkinData, out);
  if (m.MasterBitmap)
    out << "MasterBitmap " << m.MasterBitmap->Width() << " x " << m.MasterBitmap->Height() << "\n";
  else
    out << "MasterBitmap none\n";
  out << "GlobalColor " << Hex(m.GetGlobalColor()) << " GlobalFontColor " << Hex(m.GetGlobalFontColor())
      << " ActiveEditColor " << Hex(m.GetActiveEditColor()) << " ActiveEditFontColor "
      << Hex(m.GetActiveEditFontColor()) << " HighLightColor " << Hex(m.GetHighLightColor())
      << " HighLightFontColor " << Hex(m.GetHighLightFontColor()) << "\n";
  out << "\nSections " << m.gd.size() << "\n";
  for (size_t i = 0; i < m.gd.size(); ++i) DumpSection(int(i), m.gd[i], out);
  out << "\nMasks " << m.ma.size() << "\n";
  for (size_t i = 0; i < m.ma.size(); ++i) DumpMask(int(i), m.ma[i], out);
  out << "\nPatterns " << m.pa.size() << "\n";
  for (size_t i = 0; i < m.pa.size(); ++i)
    out << "[" << i << "] " << m.pa[i].ClassName << "/" << m.pa[i].PropertyName << " " << m.pa[i].Img->Width()
        << " x " << m.pa[i].Img->Height() << "\n";
  out << "\nCached indexes\n";
  DumpConstData(m.ConstData, out);
}

}  // namespace wakespan
