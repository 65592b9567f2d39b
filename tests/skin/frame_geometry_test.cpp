// The frame's measures, title-button layout, icon, caption rectangle and
// region, with the embedded skin where the skin decides.
#include <gtest/gtest.h>

#include <map>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sFrameRegion.h"
#include "skin/frame/sTitleButtons.h"
#include "skin/frame/sTitleText.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan {
namespace {

constexpr uint32_t kSingleStyle = kStyleCaption | kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox;

// The settings window: fixed frame 3, caption 18, a menu bar of 19.
TsFrameWindow MainWindow() {
  TsFrameWindow w;
  w.Style = kSingleStyle;
  w.Border = TsBorderStyle::Single;
  w.Position = Point{100, 50};
  w.Window = Size{357, 389};
  w.Client = Size{351, 389 - 3 - 18 - 19 - 3};
  w.MainMenuShown = true;
  return w;
}

TsFrameWindow DialogWindow(bool sysMenu) {
  TsFrameWindow w;
  w.Style = kStyleCaption | (sysMenu ? kStyleSysMenu : 0);
  w.Border = TsBorderStyle::Dialog;
  w.Window = Size{250, 120};
  w.Client = Size{244, 120 - 3 - 18 - 3};
  return w;
}

TEST(FrameGeometry, MeasuresOfTheMainWindow) {
  const TsFrameWindow w = MainWindow();
  EXPECT_EQ(FrameWidth(w), 3);
  EXPECT_EQ(CaptionHeight(w), 18);
  EXPECT_EQ(MenuHeight(w), 18);
  EXPECT_EQ(OffsetX(w), 3);
  EXPECT_EQ(OffsetY(w), 3 + 18 + 19);
  EXPECT_EQ(HeaderHeight(w), 3 + 18 + 19);
  const auto strips = FrameStrips(w, w.Window);
  EXPECT_EQ(strips[0], (Rect{0, 0, 357, 40}));
  EXPECT_EQ(strips[1], (Rect{0, 40, 3, 389}));
  EXPECT_EQ(strips[2], (Rect{3, 386, 357, 389}));
  EXPECT_EQ(strips[3], (Rect{354, 40, 357, 389}));
}

TEST(FrameGeometry, FrameWidthFollowsTheStyleAndDialogsHaveNoMenuBar) {
  TsFrameWindow w = MainWindow();
  w.Style |= kStyleThickFrame;
  EXPECT_EQ(FrameWidth(w), 4);
  w.Style = 0;
  w.Border = TsBorderStyle::None;
  EXPECT_EQ(FrameWidth(w), 0);
  EXPECT_EQ(CaptionHeight(w), 0);
  w.Minimized = true;
  EXPECT_EQ(CaptionHeight(w), 18);
  TsFrameWindow d = DialogWindow(true);
  d.MainMenuShown = true;
  EXPECT_EQ(MenuHeight(d), 0);
  EXPECT_EQ(LinesCount(d), 0);
}

TEST(FrameGeometry, MenuRowsCountFromTheFirstItemUp) {
  TsFrameWindow w = MainWindow();
  EXPECT_EQ(LinesCount(w), 1);  // first item unknown
  w.HasFirstMenuItemRect = true;
  const int clientTop = w.Position.Y + w.Window.Height - w.Client.Height - 3;
  w.FirstMenuItemBottom = clientTop;
  EXPECT_EQ(LinesCount(w), 1);
  w.FirstMenuItemBottom = clientTop - 1;
  EXPECT_EQ(LinesCount(w), 1);
  w.FirstMenuItemBottom = clientTop - 18;
  EXPECT_EQ(LinesCount(w), 2);
  w.MainMenuShown = false;
  EXPECT_EQ(LinesCount(w), 0);
}

TEST(FrameGeometry, IconSizeFollowsTheCaptionHeight) {
  const std::map<int, int> sides{{22, 16}, {17, 16}, {16, 8}, {9, 8}, {8, 1}, {0, 1}};
  for (const auto& [caption, side] : sides) EXPECT_EQ(IconSide(caption), side) << caption;
  EXPECT_EQ(IconRect(3, 2, 18, Size{16, 16}), (Rect{5, 2, 21, 18}));
  EXPECT_TRUE(IconShown(TsBorderStyle::Single, true, true));
  EXPECT_FALSE(IconShown(TsBorderStyle::Dialog, true, true));
  EXPECT_FALSE(IconShown(TsBorderStyle::Single, true, false));
}

TEST(FrameGeometry, CaptionAlignment) {
  const Rect r{10, 0, 110, 20};
  const Rect centred = AlignCaption(r, TsCaptionAlignment::Center, Size{40, 10}, 0);
  EXPECT_EQ(centred.Left, 38);
  EXPECT_EQ(centred.Right, 78);
  EXPECT_EQ(centred.Top, 5);
  EXPECT_EQ(centred.Bottom, 15);
  EXPECT_EQ(AlignCaption(r, TsCaptionAlignment::Right, Size{97, 20}, 0), r);
  EXPECT_EQ(AlignCaption(r, TsCaptionAlignment::Right, Size{50, 20}, 0).Left, 110 - 54);
  EXPECT_EQ(AlignCaption(r, TsCaptionAlignment::Left, Size{500, 20}, 0), r);
  // A text wider than the room stays at the left edge when centred.
  EXPECT_EQ(AlignCaption(r, TsCaptionAlignment::Center, Size{150, 20}, 0).Left, 10);
}

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
class EmbeddedFrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    manager_ = test::LoadEmbeddedSkin().release();
  }
  static void TearDownTestSuite() { delete manager_; }
  static const TsSkinManager& m() { return *manager_; }
  static TsTitleButtons Assigned(const TsFrameWindow& w, const TsTitleButtonRules& rules) {
    TsTitleButtons b;
    AssignTitleButtonImages(b, m(), w.Border, rules, w.Maximized, w.Minimized, m().GetSkinIndex(s_Form));
    return b;
  }
  static TsSkinManager* manager_;
};
TsSkinManager* EmbeddedFrameTest::manager_ = nullptr;

TEST_F(EmbeddedFrameTest, BigButtonsOverlapByOnePixelFromTheRightEdge) {
  TsFrameWindow w = MainWindow();
  const TsTitleButtonRules rules = RulesFromStyle(w.Style, true, false);
  TsTitleButtons b = Assigned(w, rules);
  LayoutTitleButtons(b, m(), w, rules);
  EXPECT_EQ(b.Close.R, (Rect{357 - 1 - 3 - 43, 0, 357 - 1 - 3, 20}));
  EXPECT_EQ(b.Max.R, (Rect{b.Close.R.Left + 1 - 25, 0, b.Close.R.Left + 1, 20}));
  EXPECT_EQ(b.Min.R, (Rect{b.Max.R.Left + 1 - 27, 0, b.Max.R.Left + 1, 20}));
  EXPECT_EQ(b.Help.R, Rect{});  // not shown, never laid out
  EXPECT_EQ(TitleButtonsWidth(m(), b, w.Border, rules), 1 + 43 + 25 - 1 + 27 - 1);

  w.Maximized = true;
  b = Assigned(w, rules);
  LayoutTitleButtons(b, m(), w, rules);
  EXPECT_EQ(b.Close.R.Top, 3 - 1);
  EXPECT_EQ(b.Max.ImageIndex, m().GetMaskIndex(m().GetSkinIndex(s_GlobalInfo), s_GlobalInfo, "BICONNORM"));
  w.MaxSizeConstrained = true;
  LayoutTitleButtons(b, m(), w, rules);
  EXPECT_EQ(b.Close.R.Top, 0);
}

TEST_F(EmbeddedFrameTest, DialogWithSystemMenuHasOnlyTheSmallCloseButton) {
  const TsFrameWindow w = DialogWindow(true);
  const TsTitleButtonRules rules = RulesFromStyle(w.Style, true, false);
  EXPECT_FALSE(rules.ShowMax || rules.ShowMin);
  TsTitleButtons b = Assigned(w, rules);
  LayoutTitleButtons(b, m(), w, rules);
  EXPECT_EQ(b.Close.R.Width(), 15);
  EXPECT_EQ(b.Close.R.Height(), 14);
  EXPECT_EQ(b.Close.R.Right, 250 - 1 - 3);
  EXPECT_EQ(b.Close.R.Top, (3 + 18 - 14) / 2);
  EXPECT_EQ(b.Max.R, Rect{});
}

TEST_F(EmbeddedFrameTest, DialogCaptionWithoutButtonsStartsAtNine) {
  const TsFrameWindow w = DialogWindow(false);
  const TsTitleButtonRules rules = RulesFromStyle(w.Style, false, false);
  TsTitleButtons b = Assigned(w, rules);
  TsCaptionLayout layout;
  layout.FrameWidth = FrameWidth(w);
  layout.LeftMargin = m().SkinData.BILeftMargin;
  layout.Width = w.Window.Width;
  layout.TitleButtonsWidth = TitleButtonsWidth(m(), b, w.Border, rules);
  layout.CaptionHeight = CaptionHeight(w);
  EXPECT_EQ(CaptionTextRect(layout), (Rect{9, 2, 250 - 1 - 12, 21}));
}

TEST_F(EmbeddedFrameTest, MissingImagesGiveTwentyOnePixelButtons) {
  const TsSkinManager empty;
  TsTitleButtons b;
  AssignTitleButtonImages(b, empty, TsBorderStyle::Single, TsTitleButtonRules{true}, false, false, -1);
  EXPECT_EQ(b.Close.ImageIndex, -1);
  EXPECT_EQ(ButtonSize(empty, b, b.Close).Width, 21);
  EXPECT_EQ(ButtonSize(empty, b, b.Close).Height, 21);
  TsFrameWindow w = MainWindow();
  LayoutTitleButtons(b, empty, w, RulesFromStyle(w.Style, true, false));
  EXPECT_EQ(b.Close.R, Rect{});
}

// A close image lying outside the master bitmap would make a button of
// thousands of pixels covering the whole window; it counts as missing.
TEST_F(EmbeddedFrameTest, AnImageOutsideTheMasterBitmapGivesNoButton) {
  TsSkinModel model = m();
  TsTitleButtons b;
  const TsFrameWindow w = MainWindow();
  const TsTitleButtonRules rules = RulesFromStyle(w.Style, true, false);
  AssignTitleButtonImages(b, model, w.Border, rules, false, false, model.GetSkinIndex(s_Form));
  ASSERT_GE(b.Close.ImageIndex, 0);
  model.ma[size_t(b.Close.ImageIndex)].R = Rect{5000, 5000, 9129, 9020};
  AssignTitleButtonImages(b, model, w.Border, rules, false, false, model.GetSkinIndex(s_Form));
  EXPECT_EQ(b.Close.ImageIndex, -1);
  LayoutTitleButtons(b, model, w, rules);
  EXPECT_EQ(b.Close.R, Rect{});
  EXPECT_LE(b.Max.R.Bottom, 30) << "the other buttons stay in the title bar";
}

TEST_F(EmbeddedFrameTest, RegionCutsTheRoundedTopAndOnePixelAtEachBottomCorner) {
  const int form = m().gd[size_t(m().GetSkinIndex(s_Form))].BorderIndex;
  const int title = m().gd[size_t(m().GetSkinIndex(s_FormTitle))].BorderIndex;
  const Size window{357, 389};
  const std::vector<Rect> cuts = CollectCornerRects(m(), form, title, window);
  // The widest cut of each side of every row.
  std::map<int, int> left, right;
  for (const Rect& r : cuts) {
    ASSERT_EQ(r.Height(), 1);
    if (r.Left == 0) left[r.Top] = std::max(left[r.Top], r.Right);
    if (r.Right == window.Width) right[r.Top] = std::max(right[r.Top], window.Width - r.Left);
    EXPECT_TRUE(r.Left == 0 || r.Right == window.Width) << "a cut inside a row";
  }
  const std::map<int, int> expected{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {4, 1}, {388, 1}};
  EXPECT_EQ(left, expected);
  EXPECT_EQ(right, expected);

  TsFrameWindow w = MainWindow();
  TsFrameRegion region = MakeFrameRegion(w, cuts);
  EXPECT_EQ(region.Bounds, (Rect{0, 0, 357, 389}));
  EXPECT_EQ(region.Cuts.size(), cuts.size());
  w.Maximized = true;
  region = MakeFrameRegion(w, cuts);
  EXPECT_EQ(region.Bounds, (Rect{3, 3, 354, 386}));
  EXPECT_TRUE(region.Cuts.empty());
}

TEST_F(EmbeddedFrameTest, CornerScanSkipsEntriesOutsideTheirBitmap) {
  TsSkinManager copy;
  copy.MasterBitmap = m().MasterBitmap;
  TsMaskData e = m().ma[size_t(m().gd[size_t(m().GetSkinIndex(s_FormTitle))].BorderIndex)];
  e.R.Top = m().MasterBitmap->Height() - 3;  // the corner rows run past the bottom
  e.R.Bottom = e.R.Top + 52;
  copy.ma.push_back(e);
  EXPECT_TRUE(CollectCornerRects(copy, -1, 0, Size{100, 100}).empty());
  EXPECT_TRUE(CollectCornerRects(copy, 7, -1, Size{100, 100}).empty());
}
#endif

}  // namespace
}  // namespace wakespan
