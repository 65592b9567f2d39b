// The embedded skin "WMP11 (internal)", read from the container the skin
// tool packs for the build.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"

namespace wakespan {
namespace {

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
class EmbeddedSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(WAKESPAN_EMBEDDED_SKIN_ASZ, std::ios::binary);
    packed_ = new ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    manager_ = new TsSkinManager;
    manager_->LoadPackedData(packed_->data(), packed_->size());
  }
  static void TearDownTestSuite() {
    delete manager_;
    delete packed_;
  }
  const TsSkinManager& m() const { return *manager_; }
  const TsGeneralData& Sec(const char* name) const { return m().gd.at(size_t(m().GetSkinIndex(name))); }
  int Mask(const char* section, const char* key) const {
    return m().GetMaskIndex(m().GetSkinIndex(section), section, key);
  }
  uint32_t MasterPixel(int x, int y) const { return m().MasterBitmap->Pixel(x, y) & 0xFFFFFF; }

  static ByteBuffer* packed_;
  static TsSkinManager* manager_;
};
ByteBuffer* EmbeddedSkinTest::packed_ = nullptr;
TsSkinManager* EmbeddedSkinTest::manager_ = nullptr;

TEST_F(EmbeddedSkinTest, ContainerHoldsOptionsThenTheTwoBitmaps) {
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(*packed_);
  UnpackSkinData(reader);
  EXPECT_EQ(reader->ImageCount, 2);
  ASSERT_TRUE(reader->Options);
  EXPECT_EQ(std::string(reader->Options->begin(), reader->Options->end()).find("[GLOBALINFO]"),
            std::string(reader->Options->begin(), reader->Options->end()).find('['));
  ASSERT_EQ(reader->Files.size(), 2u);
  EXPECT_EQ(reader->Files[0].FileName, "ButtonHuge24.bmp");
  EXPECT_EQ(reader->Files[0].FileStream.size(), 165942u);
  EXPECT_EQ(reader->Files[1].FileName, "Master.bmp");
  EXPECT_EQ(reader->Files[1].FileStream.size(), 44326u);
  EXPECT_EQ(reader->PackedPosition(), packed_->size());
  EXPECT_EQ(reader->Files[1].FileStream[28], 8);  // bits per pixel of the master bitmap
}

TEST_F(EmbeddedSkinTest, SectionsComeInTheirOrderWithTheirParents) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"GLOBALINFO", ""}, {"TABSHEET", ""}, {"MENULINE", ""}, {"BUTTON_BIG", "BUTTON"}, {"MENUITEM", ""},
      {"SPLITTER", "SPEEDBUTTON_SMALL"}, {"TABCONTROL", "PAGECONTROL"}, {"TABCONTROLLEFT", "PAGECONTROLLEFT"},
      {"TABCONTROLRIGHT", "PAGECONTROLRIGHT"}, {"TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"}, {"COMBOBOX", "EDIT"},
      {"ALPHACOMBOBOX", "ALPHAEDIT"}, {"GAUGE", ""}, {"GROUPBOX", ""}, {"TRACKBAR", ""}, {"DIALOG", "FORM"},
      {"STATUSBAR", ""}, {"RADIOBUTTON", ""}, {"CHECKBOX", ""}, {"EDIT", ""}, {"DIVIDER", ""}, {"WEBBUTTON", ""},
      {"MAINMENU", ""}, {"EXTRALINE", ""}, {"HINT", ""}, {"SPEEDBUTTON", ""}, {"SPEEDBUTTON_SMALL", ""},
      {"TOOLBUTTON", ""}, {"SCROLLSLIDERH", ""}, {"SCROLLBAR2H", ""}, {"SCROLLBAR1H", ""}, {"SCROLLBAR2V", ""},
      {"SCROLLBAR1V", ""}, {"SCROLLBTNLEFT", ""}, {"SCROLLBTNRIGHT", ""}, {"SCROLLSLIDERV", ""},
      {"SCROLLBTNTOP", ""}, {"SCROLLBTNBOTTOM", ""}, {"FORMTITLE", ""}, {"ALPHAEDIT", ""}, {"FORM", ""},
      {"GRIPH", ""}, {"DRAGBAR", "PANEL"}, {"ICOLINE", ""}, {"BUTTON_HUGE", "BUTTON_BIG"},
      {"PAGECONTROL", "PANEL"}, {"TABTOP", ""}, {"PAGECONTROLBOTTOM", "PAGECONTROL"},
      {"PAGECONTROLLEFT", "PAGECONTROL"}, {"PAGECONTROLRIGHT", "PAGECONTROL"}, {"TABBOTTOM", "TABTOP"},
      {"TABLEFT", ""}, {"TABRIGHT", "TABLEFT"}, {"BARTITLE", ""}, {"PANEL", ""}, {"PANEL_LOW", ""}, {"BUTTON", ""},
      {"TOOLBAR", "PANEL"}, {"BARPANEL", ""}, {"BAR", ""}, {"DIVIDERV", ""}, {"PROGRESSV", ""}, {"PROGRESSH", ""}};
  ASSERT_EQ(m().gd.size(), 63u);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(m().gd[i].ClassName, expected[i].first) << i;
    EXPECT_EQ(m().gd[i].ParentClass, expected[i].second) << i;
  }
  EXPECT_EQ(m().ma.size(), 83u);
  EXPECT_TRUE(m().pa.empty());
}

TEST_F(EmbeddedSkinTest, SkinDataAndColours) {
  const TsSkinData& d = m().SkinData;
  EXPECT_DOUBLE_EQ(d.Version, 6.4);
  EXPECT_EQ(d.Author, "");
  EXPECT_EQ(d.Description, "");
  EXPECT_EQ(d.BISpacing, -1);
  EXPECT_EQ(d.BIVAlign, 1);
  EXPECT_EQ(d.BILeftMargin, 2);
  EXPECT_EQ(d.BIRightMargin, 1);
  EXPECT_EQ(d.BITopMargin, 0);
  EXPECT_EQ(d.BIKeepHUE, 2);
  EXPECT_EQ(m().GetGlobalColor(), 0x876A5F);
  EXPECT_EQ(m().GetGlobalFontColor(), 15455950);
  EXPECT_EQ(Sec("COMBOBOX").Color, 15454149);
  EXPECT_EQ(Sec("EDIT").Color, 15454149);
  ASSERT_TRUE(m().MasterBitmap);
  EXPECT_EQ(m().MasterBitmap->Width(), 270);
  EXPECT_EQ(m().MasterBitmap->Height(), 159);
}

TEST_F(EmbeddedSkinTest, StatedMaskEntries) {
  const TsMaskData& box = m().ma[0];
  EXPECT_EQ(box.ClassName, "GLOBALINFO");
  EXPECT_EQ(box.PropertyName, "BOXCHECKED");
  EXPECT_EQ(box.R, (Rect{48, 78, 96, 91}));
  EXPECT_EQ(box.ImageCount, 3);
  EXPECT_EQ(box.MaskType, 0);
  EXPECT_EQ(box.ImgType, itisaGlyph);
  EXPECT_EQ(m().ConstData.CheckBoxChecked, 0);

  const TsMaskData& item = m().ma.at(size_t(Mask("MENUITEM", "BORDERSMASK")));
  EXPECT_EQ(item.R, (Rect{129, 119, 192, 149}));
  EXPECT_EQ(item.ImageCount, 3);
  EXPECT_EQ(item.MaskType, 1);
  EXPECT_EQ(item.DrawMode, 7);
  EXPECT_EQ(item.WL, 7);
  EXPECT_EQ(item.WR, 7);
  EXPECT_EQ(item.WT, 5);
  EXPECT_EQ(item.WB, 5);

  const TsMaskData& form = m().ma.at(size_t(Mask("FORM", "BORDERSMASK")));
  EXPECT_EQ(form.BorderWidth, 2);
  EXPECT_EQ(form.ImageCount, 2);
  EXPECT_EQ(form.MaskType, 0);
  EXPECT_EQ(form.WL + form.WT + form.WR + form.WB, 8);

  const TsMaskData& huge = m().ma.at(size_t(Mask("BUTTON_HUGE", "BORDERSMASK")));
  ASSERT_TRUE(huge.Bmp);
  EXPECT_EQ(huge.R, (Rect{0, 0, 288, 192}));
  EXPECT_EQ(huge.DrawMode, 4);
  EXPECT_EQ(huge.ImgType, itisaBorder);
  EXPECT_EQ(huge.WL, 47);
  EXPECT_EQ(huge.WB, 47);

  EXPECT_EQ(Mask("ICOLINE", "BORDERSMASK"), -1);
  EXPECT_EQ(Mask("DIALOG", "BORDERSMASK"), Mask("FORM", "BORDERSMASK"));
  EXPECT_EQ(m().ma.at(size_t(Mask("TABBOTTOM", "BORDERSMASK"))).ClassName, "TABBOTTOM");
  EXPECT_EQ(m().ma.at(size_t(Mask("TABRIGHT", "BORDERSMASK"))).ClassName, "TABLEFT");

  const TsMaskData& group = m().ma.at(size_t(Mask("GROUPBOX", "BORDERSMASK")));
  EXPECT_EQ(Sec("GROUPBOX").Transparency, 100);
  EXPECT_EQ(group.WL, 7);
  EXPECT_EQ(group.WT, 7);
  EXPECT_EQ(group.WR, 7);
  EXPECT_EQ(group.WB, 7);
}

TEST_F(EmbeddedSkinTest, InheritanceAndGradients) {
  const TsGeneralData& tab = Sec("TABCONTROL");
  const TsGeneralData& page = Sec("PAGECONTROL");
  const TsGeneralData& panel = Sec("PANEL");
  EXPECT_EQ(tab.Color, page.Color);
  EXPECT_EQ(tab.FontColor[0], panel.FontColor[0]);  // PAGECONTROL sets none: taken from PANEL
  EXPECT_EQ(Sec("BUTTON_BIG").FontColor[0], Sec("BUTTON").FontColor[0]);  // written as -1

  const TsGeneralData& title = Sec("FORMTITLE");
  ASSERT_EQ(title.GradientArray.size(), 2u);
  EXPECT_EQ(title.GradientArray[0].Color1, 0);
  EXPECT_EQ(title.GradientArray[0].Color2, 8874591);
  EXPECT_EQ(title.GradientArray[0].Percent, 97);
  EXPECT_EQ(title.GradientArray[1].Percent, 0);

  const TsGeneralData& item = Sec("MENUITEM");
  EXPECT_EQ(item.Transparency, 100);
  EXPECT_EQ(item.HotTransparency, 50);
  ASSERT_EQ(item.HotGradientArray.size(), 4u);
  EXPECT_EQ(item.HotGradientArray[0].Color1, 0xFFFFFF);
  EXPECT_EQ(item.HotGradientArray[1].Color2, 15784633);
  EXPECT_GT(Sec("FORM").GradientPercent, 0);
  EXPECT_FALSE(Sec("FORM").GradientArray.empty());
  EXPECT_FALSE(Sec("ICOLINE").GradientArray.empty());
  EXPECT_EQ(Sec("ICOLINE").BorderIndex, -1);
}

TEST_F(EmbeddedSkinTest, TitleButtonSizes) {
  struct Expect {
    const char* key;
    int width, height, count;
  } buttons[] = {{"BICONCLOSE", 43, 20, 3}, {"BICONMAX", 25, 20, 3}, {"BICONMIN", 27, 20, 3},
                 {"BICONNORM", 25, 19, 3}, {"BICONHELP", 25, 20, 3}, {"SICONCLOSE", 15, 14, 1},
                 {"SICONMAX", 14, 14, 1},  {"SICONMIN", 14, 14, 1},  {"SICONNORM", 14, 14, 1},
                 {"SICONHELP", 14, 14, 1}};
  for (const Expect& e : buttons) {
    const int i = Mask("GLOBALINFO", e.key);
    ASSERT_GE(i, 0) << e.key;
    EXPECT_EQ(m().MaskSize(i).Width, e.width) << e.key;
    EXPECT_EQ(m().MaskSize(i).Height, e.height) << e.key;
    EXPECT_EQ(m().ma[size_t(i)].ImageCount, e.count) << e.key;
  }
  EXPECT_EQ(Mask("GLOBALINFO", "BICLOSEALONE"), -1);
  EXPECT_EQ(m().GetSkinIndex("CAPTION"), -1);
  EXPECT_EQ(Mask("FORM", "TITLEBAR"), -1);
}

TEST_F(EmbeddedSkinTest, FrameCornersCarryTheKeyColourThatShapesTheWindow) {
  const TsMaskData& title = m().ma.at(size_t(Mask("FORMTITLE", "BORDERSMASK")));
  EXPECT_EQ(title.MaskType, 1);
  EXPECT_EQ(title.ImageCount, 2);
  EXPECT_EQ(title.WL, 10);
  EXPECT_EQ(title.WT, 9);
  const int cuts[9] = {5, 3, 2, 1, 1, 0, 0, 0, 0};
  const int stateWidth = title.R.Width() / 2;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 10; ++col) {
      const bool keyLeft = MasterPixel(title.R.Left + col, title.R.Top + row) == kSkinKeyColor;
      const bool keyRight = MasterPixel(title.R.Left + stateWidth - 1 - col, title.R.Top + row) == kSkinKeyColor;
      EXPECT_EQ(keyLeft, col < cuts[row]) << row << "," << col;
      EXPECT_EQ(keyRight, col < cuts[row]) << row << "," << col;
    }
  }
  const TsMaskData& form = m().ma.at(size_t(Mask("FORM", "BORDERSMASK")));
  const int w = form.R.Width() / 2, h = form.R.Height();
  for (int s = 0; s < 2; ++s) {
    const int x0 = form.R.Left + s * w;
    int keys = 0;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < w; ++x) keys += MasterPixel(x0 + x, form.R.Top + y) == kSkinKeyColor;
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(MasterPixel(x0, form.R.Top), kSkinKeyColor);
    EXPECT_EQ(MasterPixel(x0 + w - 1, form.R.Top + h - 1), kSkinKeyColor);
    EXPECT_NE(MasterPixel(x0 + 1, form.R.Top + h - 1), kSkinKeyColor);
  }
}
#endif

}  // namespace
}  // namespace wakespan
