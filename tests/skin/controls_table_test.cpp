// Which wrapper a class gets, a panel's section, the hot test, the answer
// to a child's move and the background a skinned control gives its children.
#include <gtest/gtest.h>

#include <functional>

#include "controls_test_support.h"
#include "skin/controls/sControlView.h"
#include "skin/controls/sRepaintQuery.h"
#include "skin/controls/sWrapperTable.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sEngineMessage.h"

namespace wakespan {
namespace {

TEST(WrapperTable, TheProgramsControlsFindTheirWrappersAndTheRestNone) {
  ThirdPartyList texts;
  texts.FillEmptyWithDefaults();
  ThirdLists_t lists;
  RebuildThirdLists(texts, lists);
  const struct {
    const char* name;
    TacWrapperKind kind;
    std::string section;
  } known[] = {
      {"TEdit", TacWrapperKind::Edit, "EDIT"},           {"TButton", TacWrapperKind::Button, "BUTTON"},
      {"TBitBtn", TacWrapperKind::BitBtn, "BUTTON"},     {"TCheckBox", TacWrapperKind::CheckBox, "CHECKBOX"},
      {"TRadioButton", TacWrapperKind::CheckBox, "CHECKBOX"}, {"TGroupBox", TacWrapperKind::GroupBox, "GROUPBOX"},
      {"TPageControl", TacWrapperKind::PageControl, "PAGECONTROL"}, {"TSpeedButton", TacWrapperKind::None, ""},
  };
  for (const auto& k : known) {
    const auto index = FindThirdPartyList(lists, k.name);
    ASSERT_TRUE(index) << k.name;
    EXPECT_EQ(WrapperRow(*index).Kind, k.kind) << k.name;
    EXPECT_EQ(WrapperRow(*index).DefaultSection, k.section) << k.name;
  }
  for (const char* unknown : {"TProgressBar", "TImage", "TLabel", "tbutton", ""})
    EXPECT_FALSE(FindThirdPartyList(lists, unknown)) << unknown;
}

TEST(WrapperTable, PanelSectionsByBevels) {
  using B = TacBevel;
  EXPECT_STREQ(PanelSection(B::Lowered, B::Raised, false), "GROUPBOX");
  EXPECT_STREQ(PanelSection(B::Lowered, B::None, false), "PANEL_LOW");
  EXPECT_STREQ(PanelSection(B::Raised, B::Lowered, false), "GROUPBOX");
  EXPECT_STREQ(PanelSection(B::Raised, B::Raised, false), "PANEL");
  EXPECT_STREQ(PanelSection(B::None, B::Raised, true), "PANEL_LOW");
  EXPECT_STREQ(PanelSection(B::None, B::None, false), "CHECKBOX");
}

TEST(HotTest, FocusAlwaysHoverOnlyForKindsThatDoNotShowItThemselves) {
  TacHotInput in;
  in.MouseAbove = true;
  EXPECT_TRUE(IsControlHot(in));
  for (int kind : {19, 51, 74, 110, 141, 161}) {
    in.KindCode = kind;
    EXPECT_FALSE(IsControlHot(in)) << kind;
  }
  in.Focused = true;
  EXPECT_TRUE(IsControlHot(in));
  in.Enabled = false;
  EXPECT_FALSE(IsControlHot(in));
}

// The skin data of a control at (5, 7) in a parent that answers as told.
struct QueryTest : ::testing::Test {
  struct Parent : TacControlLink {
    Kind kind = Kind::Control;
    std::function<void(BackgroundInfo&)> answer = [](BackgroundInfo&) {};
    Kind LinkKind() const override { return kind; }
    intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
      if (message == EngineCommandMessage && wParam == EngineCommand(kCommandBackgroundQuery))
        answer(*reinterpret_cast<BackgroundInfo*>(lParam));
      return 0;
    }
    TColor OwnColor() const override { return 0x0000FF; }
  };
  struct Owner : TsSkinOwner {
    TacControlLink* parent = nullptr;
    Kind LinkKind() const override { return Kind::Control; }
    intptr_t Perform(uint32_t, uintptr_t, intptr_t) override { return 0; }
    TColor OwnColor() const override { return 0x00FF00; }
    bool IsFormProvider() const override { return false; }
    Size ControlSize() const override { return Size{20, 10}; }
    Point Position() const override { return Point{5, 7}; }
    bool IsShowing() const override { return true; }
    bool IsDestroyingOrLoading() const override { return false; }
    void InvalidateControl() override {}
    void RedrawWindow(uint32_t) override {}
    TacControlLink* Parent() const override { return parent; }
  };
  Parent parent;
  Owner owner;
  TsCommonData data{&owner};
  Bitmap parentCache{50, 50, PixelFormat::Bgr24};
  void SetUp() override { owner.parent = &parent; }
};

TEST_F(QueryTest, SeeThroughSectionsPassTheQueryOnAddingTheirPosition) {
  test::UseSection(data, "groupbox");  // TRANSPARENCY 100, 7-pixel borders
  parent.answer = [this](BackgroundInfo& info) {
    info.Kind = BackgroundInfo::kCacheBitmap;
    info.Bitmap = &parentCache;
    info.OffsetX = 10;
    info.OffsetY = 20;
  };
  BackgroundInfo info;
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kCacheBitmap);
  EXPECT_EQ(info.Bitmap, &parentCache);
  EXPECT_EQ(info.OffsetX, 15);
  EXPECT_EQ(info.OffsetY, 27);
  owner.parent = nullptr;
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kColor);
}

TEST_F(QueryTest, OpaqueAndPartlyTransparentSectionsAnswerThemselves) {
  test::UseSection(data, "button");  // plain colour 8085332
  BackgroundInfo info;
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kColor);
  EXPECT_EQ(info.Color, 8085332);
  test::HandSkin skin;
  const int k = skin.AddSection("HALF");
  skin.Section(k).Transparency = 50;
  data.FSkinManager = &skin.manager;
  data.SetSkinSection("half");
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kColor) << "no cache yet";
  EXPECT_EQ(info.Color, 0xFF00FF);
  data.FCacheBmp = std::make_unique<Bitmap>(20, 10, PixelFormat::Bgr24);
  info.OffsetX = 3;
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kCacheBitmap);
  EXPECT_EQ(info.Bitmap, data.FCacheBmp.get());
  EXPECT_EQ(info.OffsetX, 0) << "the asker adds its own position";
  data.FCustomColor = true;
  AnswerBackgroundQuery(data, info, 0);
  EXPECT_EQ(info.Kind, BackgroundInfo::kColor);
  EXPECT_EQ(info.Color, 0x00FF00) << "the control's own colour";
}

TEST_F(QueryTest, ChildMoveRepaintFollowsTheSectionAndThenTheParent) {
  test::HandSkin skin;
  const int k = skin.AddSection("S");
  data.FSkinManager = &skin.manager;
  data.SetSkinSection("s");
  TacRepaintQuery q;
  q.ParentAnswer = [] { return 7; };
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 0);
  q.Enabled = false;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 7);
  q.HasParentWindow = false;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 1);
  q = TacRepaintQuery{};
  q.ParentAnswer = [] { return 7; };
  skin.Section(k).Transparency = 100;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 7);
  skin.Section(k).ImagePercent = 10;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 1);
  skin.Section(k).ImagePercent = 0;
  skin.Section(k).Transparency = 40;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 7);
  skin.Section(k).Transparency = 0;
  q.Visible = false;
  EXPECT_EQ(ChildMoveNeedsRepaint(data, q), 1);
}

}  // namespace
}  // namespace wakespan
