// Popup backgrounds, popup items and menu-bar items painted with the
// embedded skin (and a hand-made one where the skin lacks a part).
#include <gtest/gtest.h>


#include "paint_test_helpers.h"
#include "skin/menus/sMenuFormats.h"
#include "skin/menus/sMenuLineItem.h"
#include "skin/menus/sMenuPicture.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/paint/HostPaintPlatform.h"
#include "skin/pixels/sGraphUtils.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan {
namespace {

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
constexpr Size kWindow{150, 100};
const int kTag = 1;  // the menu's key

class MenuPaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    manager_ = test::LoadEmbeddedSkin().release();
    manager_->MenuSupport.IcoLineSkin = "ICOLINE";
  }
  static void TearDownTestSuite() { delete manager_; }

  const TacMenuInfo& Menu() { return menus.GetMenuInfo(&kTag, kWindow, 0, Size{16, 16}); }
  static TsMenuItemData Item(std::u16string caption) {
    TsMenuItemData item;
    item.Kind = MenuItemTypeOf(caption);
    item.Caption = std::move(caption);
    return item;
  }
  Bitmap Draw(const TsMenuItemData& item, Rect r = kItem) { return menus.DrawItem(item, Menu(), r, fonts); }
  // Whether b equals the menu background at r's place.
  bool IsBackground(const Bitmap& b, Rect r = kItem) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.Pixel(x, y) != Menu().Bmp.Pixel(r.Left + x, r.Top + y)) return false;
    return true;
  }
  const HostPaintPlatform::TextCall& OnlyText() {
    EXPECT_EQ(host.TextCalls.size(), 1u);
    return host.TextCalls.front();
  }
  TColor MenuItemColor(bool hot) const {
    const TsGeneralData& g = manager_->gd[size_t(manager_->GetSkinIndex("MENUITEM"))];
    return hot ? g.HotFontColor[0] : g.FontColor[0];
  }

  static constexpr Rect kItem{3, 23, 147, 43};
  static TsSkinManager* manager_;
  HostPaintPlatform host;
  test::PlatformScope scope{host};
  TsSkinableMenus menus{*manager_};
  TsMenuFonts fonts;
};
TsSkinManager* MenuPaintTest::manager_ = nullptr;

TEST_F(MenuPaintTest, BackgroundIsPaintedOncePerMenuWithItsPictureColumnAndCorners) {
  const TacMenuInfo& menu = Menu();
  ASSERT_EQ(menu.Bmp.Width(), kWindow.Width);
  ASSERT_EQ(menu.Bmp.Height(), kWindow.Height);
  EXPECT_EQ(menus.IcoLineWidth(), 24);
  const int border = menus.GetSkinBorderWidth();
  EXPECT_GT(border, 0);
  // The picture column is the icon-line gradient, the rest the menu colour.
  EXPECT_NE(menu.Bmp.Pixel(border + 10, 50), menu.Bmp.Pixel(100, 50));
  EXPECT_EQ(menu.Bmp.Pixel(100, 50), menu.Bmp.Pixel(60, 50));
  // Its frame is square: no corner is cut away.
  EXPECT_TRUE(menu.ArOR.empty());
  // A second look-up finds the same entry, and clearing drops it.
  EXPECT_EQ(&menus.GetMenuInfo(&kTag, Size{10, 10}, 0, Size{}), &menu);
  menus.ClearCache();
  EXPECT_EQ(menus.FindMenu(&kTag), nullptr);
}

TEST_F(MenuPaintTest, NormalItemLiesOnTheBackgroundAndHighlightsWhenSelected) {
  const Bitmap plain = Draw(Item(u"&Settings"));
  EXPECT_TRUE(IsBackground(plain));
  EXPECT_EQ(OnlyText().Text, u"&Settings");
  EXPECT_EQ(OnlyText().R, (Rect{26, 0, 144, 20}));
  EXPECT_EQ(OnlyText().Color, MenuItemColor(false));
  EXPECT_EQ(OnlyText().Format & menuformat::kHidePrefix, 0u);
  host.TextCalls.clear();
  TsMenuItemData selected = Item(u"&Settings");
  selected.Selected = true;
  selected.HidePrefix = true;
  EXPECT_FALSE(IsBackground(Draw(selected)));
  EXPECT_EQ(OnlyText().Color, MenuItemColor(true));
  EXPECT_NE(OnlyText().Format & menuformat::kHidePrefix, 0u);
}

TEST_F(MenuPaintTest, DisabledItemIsNeverHighlightedAndFadesItsPicture) {
  Bitmap picture(16, 16, PixelFormat::Bgra32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, 0xFF0000FFu);  // opaque red
  TsMenuItemData item = Item(u"Exit");
  item.Picture = &picture;
  const Bitmap enabled = Draw(item);
  EXPECT_EQ(enabled.Pixel(2, 2), 0x0000FFu);
  host.TextCalls.clear();
  item.Enabled = false;
  item.Selected = true;
  const Bitmap disabled = Draw(item);
  EXPECT_EQ(OnlyText().Color, MenuItemColor(false));
  // 0.4 of the red picture, 0.6 of the background.
  const uint32_t bg = Menu().Bmp.Pixel(kItem.Left + 2, kItem.Top + 2);
  EXPECT_NEAR(int(disabled.Pixel(2, 2) & 0xFF), 0.4 * 255 + 0.6 * (bg & 0xFF), 1);
  EXPECT_TRUE(IsBackground(Bitmap(disabled), kItem) == false);
  // Away from the picture the disabled item is the plain background.
  EXPECT_EQ(disabled.Pixel(100, 10), Menu().Bmp.Pixel(kItem.Left + 100, kItem.Top + 10));
}

TEST_F(MenuPaintTest, CheckedPictureSitsOnAPressedFrame) {
  Bitmap picture(16, 16, PixelFormat::Bgra32);  // fully transparent
  TsMenuItemData item = Item(u"Notepad");
  item.Picture = &picture;
  EXPECT_TRUE(IsBackground(Draw(item)));
  item.Checked = true;
  const Bitmap checked = Draw(item);
  EXPECT_FALSE(IsBackground(checked));
  EXPECT_EQ(checked.Pixel(60, 10), Menu().Bmp.Pixel(kItem.Left + 60, kItem.Top + 10));
}

TEST_F(MenuPaintTest, BackspaceCaptionIsRightAlignedAndShortcutEndsEightBeforeTheEdge) {
  TsMenuItemData item = Item(u"\bTotal");
  item.ShortCut = u"F5";
  Draw(item);
  ASSERT_EQ(host.TextCalls.size(), 2u);
  EXPECT_EQ(host.TextCalls[0].Text, u"Total      ");
  EXPECT_NE(host.TextCalls[0].Format & menuformat::kRight, 0u);
  EXPECT_EQ(host.TextCalls[1].Text, u"F5");
  EXPECT_EQ(host.TextCalls[1].R.Right, kItem.Width() - 8);
  EXPECT_NE(host.TextCalls[1].Format & menuformat::kRight, 0u);
}

TEST_F(MenuPaintTest, DividerStartsRightOfThePictureColumn) {
  const Rect r{3, 50, 147, 52};
  const Bitmap divider = Draw(Item(u"-"), r);
  for (int x = 0; x < 26; ++x) EXPECT_EQ(divider.Pixel(x, 0), Menu().Bmp.Pixel(r.Left + x, r.Top)) << x;
  EXPECT_FALSE(IsBackground(divider, r));
  EXPECT_TRUE(host.TextCalls.empty());
}

TEST_F(MenuPaintTest, HeadingShowsTheTextBetweenItsHyphensOnTheToolbar) {
  const Bitmap heading = Draw(Item(u"-Tools-more-"));
  EXPECT_EQ(OnlyText().Text, u"Tools");
  EXPECT_NE(OnlyText().Format & menuformat::kCenter, 0u);
  EXPECT_FALSE(IsBackground(heading));
}

TEST_F(MenuPaintTest, FrameBesideTheFirstAndLastItems) {
  const std::vector<Rect> first = menus.FrameBesideItem(Menu(), kItem, kWindow, true, false);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0], (Rect{0, 0, 150, 3}));
  EXPECT_EQ(first[1].Top, kItem.Top);
  EXPECT_EQ(first[2], (Rect{147, 23, 150, 43}));
  EXPECT_EQ(menus.FrameBesideItem(Menu(), kItem, kWindow, false, true)[0], (Rect{0, 97, 150, 100}));
}

TEST_F(MenuPaintTest, BadSizesPaintNothingAndNeverFail) {
  const TacMenuInfo& empty = menus.GetMenuInfo(&kTag, Size{0, -5}, 0, Size{16, 16});
  EXPECT_TRUE(empty.Bmp.IsEmpty());
  EXPECT_TRUE(menus.DrawItem(Item(u"x"), empty, Rect{3, 3, 2, 20}, fonts).IsEmpty());
  // An item outside the background still comes back whole.
  EXPECT_EQ(menus.DrawItem(Item(u"x"), empty, Rect{3, 3, 60, 23}, fonts).Width(), 57);
}

TEST_F(MenuPaintTest, MenuBarItemHighlightsWhenHotAndFadesWhenDisabled) {
  const Bitmap line = PaintMenuLineStrip(*manager_, Size{200, 19});
  Bitmap plain(40, 19, PixelFormat::Bgr24);
  TsMenuItemData item = Item(u"&File");
  PaintMenuLineItem(*manager_, plain, line, Point{10, 0}, item, fonts);
  const TsGeneralData& g = manager_->gd[size_t(manager_->GetSkinIndex("MENULINE"))];
  EXPECT_EQ(OnlyText().Color, g.FontColor[0]);
  EXPECT_NE(OnlyText().Format & menuformat::kCenter, 0u);
  host.TextCalls.clear();
  Bitmap hot(40, 19, PixelFormat::Bgr24);
  item.Hot = true;
  PaintMenuLineItem(*manager_, hot, line, Point{10, 0}, item, fonts);
  EXPECT_EQ(OnlyText().Color, g.HotFontColor[0]);
  EXPECT_NE(hot, plain);
  item.Enabled = false;
  Bitmap disabled(40, 19, PixelFormat::Bgr24);
  PaintMenuLineItem(*manager_, disabled, line, Point{10, 0}, item, fonts);
  EXPECT_EQ(disabled, plain);  // the background blended with itself
}
#endif

TEST(MenuWithoutSkinParts, DividerIsASunkenLineAndItemsKeepTheBackground) {
  test::HandSkin skin;
  HostPaintPlatform host;
  test::PlatformScope scope{host};
  TsSkinableMenus menus{skin.manager};
  EXPECT_EQ(menus.GetSkinBorderWidth(), 0);
  const int key = 0;
  const TacMenuInfo& menu = menus.GetMenuInfo(&key, Size{60, 30}, 0, Size{16, 16});
  TsMenuItemData divider;
  divider.Kind = TsMenuItemType::smDivider;
  const Bitmap line = menus.DrawItem(divider, menu, Rect{3, 3, 57, 5}, TsMenuFonts{});
  EXPECT_EQ(line.Pixel(10, 0), 0x808080u);
  EXPECT_EQ(line.Pixel(10, 1), 0xFFFFFFu);
  TsMenuItemData item;
  item.Caption = u"x";
  EXPECT_EQ(menus.DrawItem(item, menu, Rect{3, 5, 57, 25}, TsMenuFonts{}).Pixel(5, 5), menu.Bmp.Pixel(8, 10));
}

TEST(MenuRegion, KeyPixelsOfTheBorderCornersAreCutAtTheWindowEdges) {
  test::HandSkin skin;
  FillRectColor(skin.Master(), Rect{0, 0, 6, 6}, 0x202020);
  for (const Point p : {Point{0, 0}, Point{1, 0}, Point{0, 1}, Point{5, 5}, Point{3, 0}})
    skin.Master().SetPixel(p.X, p.Y, 0xFF00FF);
  TsMaskData e = test::Entry(Rect{0, 0, 6, 6}, 1, 0);
  e.WL = e.WT = e.WR = e.WB = 2;
  e.Manager = &skin.manager;
  const std::vector<Rect> cut = MenuRegionCutouts(skin.manager, e, Size{20, 10});
  // (3, 0) lies between the corners and stays.
  ASSERT_EQ(cut.size(), 3u);
  EXPECT_EQ(cut[0], (Rect{0, 0, 2, 1}));
  EXPECT_EQ(cut[1], (Rect{0, 1, 1, 2}));
  EXPECT_EQ(cut[2], (Rect{19, 9, 20, 10}));
  // Margins wider than the image and an image outside the master are safe.
  e.WL = e.WR = 100;
  for (const Rect& r : MenuRegionCutouts(skin.manager, e, Size{20, 10}))
    EXPECT_TRUE(r.Left >= 0 && r.Right <= 20 && r.Top >= 0 && r.Bottom <= 10);
  e.R = Rect{60, 60, 90, 90};
  EXPECT_TRUE(MenuRegionCutouts(skin.manager, e, Size{20, 10}).empty());
}

TEST(MenuPicture, PremultipliedPicturesBlendAndPlainOnesCopy) {
  Bitmap b(4, 1, PixelFormat::Bgr24);
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, 0x0000C8);
  Bitmap half(2, 1, PixelFormat::Bgra32);
  half.SetPixel(0, 0, 0x80000040u);  // half covered, premultiplied red 0x40
  half.SetPixel(1, 0, 0x00000000u);  // clear
  DrawMenuPicture(b, half, Point{-1, 0});  // the left column falls outside
  EXPECT_EQ(b.Pixel(0, 0), 0x0000C8u);
  DrawMenuPicture(b, half, Point{2, 0});
  EXPECT_EQ(b.Pixel(2, 0) & 0xFF, 0x40u + (0xC8u * 127 + 127) / 255);
  EXPECT_EQ(b.Pixel(3, 0), 0x0000C8u);
  Bitmap plain(1, 1, PixelFormat::Bgr24);
  plain.SetPixel(0, 0, 0x123456);
  DrawMenuPicture(b, plain, Point{1, 0});
  EXPECT_EQ(b.Pixel(1, 0), 0x123456u);
}

}  // namespace
}  // namespace wakespan
