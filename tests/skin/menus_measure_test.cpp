// Sizes of popup and menu-bar items with the host's fixed 7 x 13 text cells.
#include <gtest/gtest.h>

#include "paint_test_helpers.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {
namespace {

class MenuMeasureTest : public ::testing::Test {
 protected:
  TsMenuItemData Item(std::u16string caption) {
    TsMenuItemData item;
    item.Kind = MenuItemTypeOf(caption);
    item.Caption = std::move(caption);
    return item;
  }
  HostPaintPlatform host;
  test::PlatformScope scope{host};
  TsSkinManager manager;
  TsSkinableMenus menus{manager};
  TsMenuFonts fonts;
};

TEST_F(MenuMeasureTest, KindsFollowTheCaption) {
  EXPECT_EQ(MenuItemTypeOf(u"-"), TsMenuItemType::smDivider);
  EXPECT_EQ(MenuItemTypeOf(u"-Tools-"), TsMenuItemType::smCaption);
  EXPECT_EQ(MenuItemTypeOf(u"--"), TsMenuItemType::smCaption);
  EXPECT_EQ(MenuItemTypeOf(u"-Tools"), TsMenuItemType::smNormal);
  EXPECT_EQ(MenuItemTypeOf(u""), TsMenuItemType::smNormal);
}

TEST_F(MenuMeasureTest, NormalItemIsTwentyHighAndFortyFourWiderThanItsText) {
  // "&Settings" shows eight characters; a "W" is 13 high, a line 16.
  EXPECT_EQ(menus.MeasureItem(Item(u"&Settings"), fonts, false).Width, 8 * 7 + 44);
  EXPECT_EQ(menus.MeasureItem(Item(u"&Settings"), fonts, false).Height, 20);
  TsMenuItemData tall = Item(u"x");
  tall.PictureSize = Size{24, 24};
  EXPECT_EQ(menus.MeasureItem(tall, fonts, false).Height, 28);
  EXPECT_EQ(menus.MeasureItem(tall, fonts, false).Width, 7 + 48 + 12);
  TsMenuItemData shortcut = Item(u"Open");
  shortcut.ShortCut = u"Ctrl+O";
  EXPECT_EQ(menus.MeasureItem(shortcut, fonts, false).Width, 10 * 7 + 44);
}

TEST_F(MenuMeasureTest, DividersAndHeadings) {
  EXPECT_EQ(menus.MeasureItem(Item(u"-"), fonts, false).Height, 2);
  EXPECT_EQ(menus.MeasureItem(Item(u"-"), fonts, false).Width, 44);
  // A heading is measured with its hyphens and never grows to the picture.
  TsMenuItemData heading = Item(u"-Tools-");
  heading.PictureSize = Size{32, 32};
  EXPECT_EQ(menus.MeasureItem(heading, fonts, false).Height, 20);
  EXPECT_EQ(menus.MeasureItem(heading, fonts, false).Width, 9 * 7 + 64 + 12);
}

TEST_F(MenuMeasureTest, OnlyAShownExtraLineWidensFirstColumnItems) {
  manager.MenuSupport.ExtraLineWidth = 5000;
  const int plain = menus.MeasureItem(Item(u"Exit"), fonts, false).Width;
  manager.MenuSupport.UseExtraLine = false;
  EXPECT_FALSE(menus.HasExtraLine(nullptr));
  manager.MenuSupport.UseExtraLine = true;
  EXPECT_TRUE(menus.HasExtraLine(nullptr));
  EXPECT_EQ(menus.MeasureItem(Item(u"Exit"), fonts, true).Width, plain + 5000);
  TsMenuItemData second = Item(u"Exit");
  second.FirstColumn = false;
  EXPECT_EQ(menus.MeasureItem(second, fonts, true).Width, plain);
  // The event may hide the line; a negative width never narrows an item.
  menus.OnGetExtraLineData = [](const void*, TacExtraLineData& data) { data.LineVisible = false; };
  EXPECT_FALSE(menus.HasExtraLine(nullptr));
  manager.MenuSupport.ExtraLineWidth = -40;
  EXPECT_EQ(menus.MeasureItem(Item(u"Exit"), fonts, true).Width, plain);
}

TEST_F(MenuMeasureTest, MenuBarItemsDropAmpersandsAndAddTheirPicture) {
  EXPECT_EQ(menus.MeasureLineItem(Item(u"&File"), fonts, 20).Width, 4 * 7);
  EXPECT_EQ(menus.MeasureLineItem(Item(u"&File"), fonts, 20).Height, 19);
  const Bitmap picture(16, 16, PixelFormat::Bgra32);
  TsMenuItemData pictured = Item(u"Help");
  pictured.Picture = &picture;
  EXPECT_EQ(menus.MeasureLineItem(pictured, fonts, 20).Width, 4 * 7 + 22);
}

}  // namespace
}  // namespace wakespan
