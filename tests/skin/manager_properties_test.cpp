// The skin manager's published properties: defaults, what the settings
// window stores, the ThirdParty texts and lists, and the full skin
// directory.
#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/data/acThirdParty.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {
namespace {

TEST(ManagerPropertiesTest, ANewManagerHasTheDefaultsAndFinishesThemWhenLoaded) {
  TsSkinManager m;
  EXPECT_TRUE(m.Active());
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m.SkinName(), "");
  EXPECT_EQ(m.SkinInfo(), "N/A");
  EXPECT_EQ(m.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
  EXPECT_EQ(m.AnimEffects.Manager, &m);
  EXPECT_TRUE(m.AnimEffects.FormShow.Active);
  EXPECT_EQ(m.AnimEffects.SkinChanging.Time, 100);
  EXPECT_EQ(m.MenuSupport.IcoLineSkin, "");
  EXPECT_EQ(m.MenuSupport.ExtraLineWidth, 32);
  EXPECT_EQ(m.ThirdParty.ThirdEdits,
            "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\nTRichEdit\r\n"
            "TDateTimePicker");
  EXPECT_EQ(m.ThirdLists[0].size(), 9u);

  m.SetSkinDirectory("");
  m.Loaded();
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m.MenuSupport.IcoLineSkin, "ICOLINE");
}

TEST(ManagerPropertiesTest, TheSettingsWindowStoresItsSkinWithoutAnimations) {
  const TsStoredManagerProperties p = MainformSkinManagerProperties(test::Bytes("ASzf"));
  for (const TacAnimGroup& g : {p.AnimEffects.DialogShow, p.AnimEffects.FormShow, p.AnimEffects.FormHide,
                                p.AnimEffects.DialogHide, p.AnimEffects.PageChange, p.AnimEffects.SkinChanging})
    EXPECT_FALSE(g.Active);
  ASSERT_EQ(p.InternalSkins.size(), 1u);
  EXPECT_EQ(p.InternalSkins[0].Name, "WMP11 (internal)");
  EXPECT_EQ(p.InternalSkins[0].PackedData.size(), 4u);
  EXPECT_EQ(p.SkinName, "WMP11 (internal)");
  EXPECT_EQ(p.MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_EQ(p.MenuSupport.ExtraLineFont.Name, "Tahoma");
  EXPECT_EQ(p.MenuSupport.ExtraLineFont.Height, -11);
  for (size_t i = 0; i < kThirdPartyKindCount; ++i) EXPECT_EQ(p.ThirdParty.Text(i), ThirdPartyDefault(i)) << i;
}

TEST(ManagerPropertiesTest, ThirdPartyKindsKeepTheirOrderAndBlankDefaults) {
  const char* kinds[kThirdPartyKindCount] = {"Edit",     "Button",   "BitBtn",      "CheckBox",    "ComboBox",
                                             "Grid",     "GroupBox", "ListView",    "Panel",       "TreeView",
                                             "wwEdit",   "GridEh",   "VirtualTree", "PageControl", "TabControl",
                                             "ToolBar",  "StatusBar", "SpeedButton"};
  for (size_t i = 0; i < kThirdPartyKindCount; ++i) EXPECT_EQ(ThirdPartyKindName(i), kinds[i]) << i;
  ThirdPartyList t;
  t.FillEmptyWithDefaults();
  EXPECT_EQ(t.ThirdWWEdits, " ");
  EXPECT_EQ(t.ThirdVirtualTrees, " ");
  EXPECT_EQ(t.ThirdSpeedButton, "TSpeedButton");
  EXPECT_EQ(&t.Text(13), &t.ThirdPageControl);
}

TEST(ManagerPropertiesTest, ThirdPartyTextsBecomeListsAndGoBack) {
  EXPECT_EQ(SplitLines("A\r\nB\rC\nD\r\n"), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_EQ(SplitLines("A\r\n\r\nB"), (std::vector<std::string>{"A", "", "B"}));
  EXPECT_EQ(SplitLines(" "), (std::vector<std::string>{" "}));
  EXPECT_TRUE(SplitLines("").empty());

  // A stored text replaces its default; an emptied one gets it back.
  TsSkinManager m;
  TsStoredManagerProperties stored;
  stored.SkinName = "";
  stored.ThirdParty.FillEmptyWithDefaults();
  stored.ThirdParty.ThirdButtons = "TButton\r\nTMyButton\r\n";
  stored.ThirdParty.ThirdGrids = "";
  m.ReadProperties(stored);
  m.Loaded();
  EXPECT_EQ(m.ThirdLists[1], (std::vector<std::string>{"TButton", "TMyButton"}));
  EXPECT_EQ(m.ThirdParty.ThirdGrids, "TStringGrid\r\nTDrawGrid");
  EXPECT_EQ(m.ThirdLists[5], (std::vector<std::string>{"TStringGrid", "TDrawGrid"}));

  m.ThirdLists[1].push_back("TOther");
  WriteBackThirdLists(m.ThirdLists, m.ThirdParty);
  EXPECT_EQ(m.ThirdParty.ThirdButtons, "TButton\r\nTMyButton\r\nTOther");
  EXPECT_EQ(m.ThirdParty.ThirdWWEdits, " ") << "unchanged lists write their texts back as they were";
}

TEST(ManagerPropertiesTest, TheSkinDirectoryResolvesAgainstTheProgramDirectory) {
  TsSkinManager m;
  m.ProgramDirectory = "D:\\Apps\\Tool\\";
  m.SetSkinDirectory("..\\Skins");
  EXPECT_EQ(m.GetFullSkinDirectory(), "D:\\Apps\\Skins");
  m.SetSkinDirectory("Skins");
  EXPECT_EQ(m.GetFullSkinDirectory(), "D:\\Apps\\Tool\\Skins");
  m.SetSkinDirectory("\\\\server\\skins");
  EXPECT_EQ(m.GetFullSkinDirectory(), "\\\\server\\skins");
}

TEST(ManagerPropertiesTest, IsDefaultMovesBetweenManagers) {
  TsSkinManager first;
  TsSkinManager second;
  second.SetIsDefault(true);
  EXPECT_FALSE(first.IsDefault());
  EXPECT_EQ(TsSkinManager::DefaultManager(), &second);
  first.SetIsDefault(false);
  EXPECT_EQ(TsSkinManager::DefaultManager(), &second) << "only the default can give the role up";
  second.SetIsDefault(false);
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

}  // namespace
}  // namespace wakespan
