// The nine-part border image: state columns, margins fitted to small
// targets, tiling, the centre rule, key pixels of corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "paint_test_helpers.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sBorderImage.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

using test::DrawTags;
using test::Entry;
using test::HandSkin;
using test::Tag;

constexpr uint32_t kBackground = 0x010203;

// "MENUITEM"/"BORDERSMASK": 63 x 30, three states, mask below, borders
// 7, 5, 7, 5, draw mode 7. The mask rows are 0, so image pixels copy exactly.
struct MenuItemBorder : ::testing::Test {
  HandSkin skin{80, 40};
  int index = -1;
  void SetUp() override {
    DrawTags(skin.Master(), Rect{0, 0, 63, 15});
    TsMaskData e = Entry(Rect{0, 0, 63, 30}, 3, 1, 7);
    e.WL = e.WR = 7;
    e.WT = e.WB = 5;
    index = skin.AddMask(e);
  }
  Bitmap Paint(int state, bool filling, int w = 100, int h = 40) {
    Bitmap b = Filled(w, h, PixelFormat::Bgr24, kBackground);
    PaintBorderImage(b, Rect{0, 0, w, h}, filling, TCacheInfo{}, skin.Mask(index), state, false);
    return b;
  }
};

TEST_F(MenuItemBorder, StateOneReadsItsColumnsAndTilesTheMiddle) {
  const TsMaskData& e = skin.Mask(index);
  EXPECT_EQ(StateWidth(e), 21);
  EXPECT_EQ(StateHeight(e), 15);
  const Bitmap b = Paint(1, true);
  EXPECT_EQ(b.Pixel(0, 0), Tag(21, 0)) << "state 1 starts at column 21";
  EXPECT_EQ(b.Pixel(99, 39), Tag(41, 14)) << "and ends at column 41";
  // Top edge: the 7 middle columns 28..34, tiled from x = 7.
  EXPECT_EQ(b.Pixel(7, 0), Tag(28, 0));
  EXPECT_EQ(b.Pixel(13, 4), Tag(34, 4));
  EXPECT_EQ(b.Pixel(14, 0), Tag(28, 0));
  EXPECT_EQ(b.Pixel(92, 0), Tag(28 + (92 - 7) % 7, 0)) << "the last tile is cut at 93";
  // Left edge: the 5 middle rows 5..9, tiled from y = 5.
  EXPECT_EQ(b.Pixel(0, 10), Tag(21, 5));
  // Centre: 86 x 30 from (7, 5) in 7 x 5 tiles.
  EXPECT_EQ(b.Pixel(7, 5), Tag(28, 5));
  EXPECT_EQ(b.Pixel(50, 20), Tag(28 + 43 % 7, 5 + 15 % 5));
  EXPECT_EQ(b.Pixel(92, 34), Tag(28 + 85 % 7, 5 + 29 % 5));
}

TEST_F(MenuItemBorder, CentreOnlyWhenFillingAndNothingInStateZero) {
  const Bitmap unfilled = Paint(1, false);
  EXPECT_EQ(unfilled.Pixel(7, 5), kBackground);
  EXPECT_EQ(unfilled.Pixel(92, 34), kBackground);
  EXPECT_EQ(unfilled.Pixel(7, 0), Tag(28, 0)) << "edges are painted";
  EXPECT_EQ(Paint(0, true), Filled(100, 40, PixelFormat::Bgr24, kBackground)) << "draw mode 7 has bit 2";
}

TEST_F(MenuItemBorder, AStateBeyondTheLastPaintsTheLast) {
  EXPECT_EQ(Paint(9, true), Paint(2, true));
  EXPECT_EQ(Paint(9, true).Pixel(0, 0), Tag(42, 0));
}

TEST_F(MenuItemBorder, TargetsBelowTwoPixelsGetNothing) {
  EXPECT_EQ(Paint(1, true, 1, 40), Filled(1, 40, PixelFormat::Bgr24, kBackground));
  EXPECT_EQ(Paint(1, true, 100, 1), Filled(100, 1, PixelFormat::Bgr24, kBackground));
}

// An unmasked 9 x 3 image with margins of 1 row at top and bottom, painted
// without filling into targets 3 rows high: row `y` of the result.
std::vector<uint32_t> NarrowRow(int width, int wl, int wr, int y) {
  HandSkin skin(16, 4);
  DrawTags(skin.Master(), Rect{0, 0, 9, 3});
  TsMaskData e = Entry(Rect{0, 0, 9, 3}, 1, 0, 4);
  e.WL = int16_t(wl), e.WR = int16_t(wr), e.WT = 1, e.WB = 1;
  const int i = skin.AddMask(e);
  Bitmap b = Filled(width, 3, PixelFormat::Bgr24, kBackground);
  PaintBorderImage(b, Rect{0, 0, width, 3}, false, TCacheInfo{}, skin.Mask(i), 0, false);
  std::vector<uint32_t> out;
  for (int x = 0; x < width; ++x) out.push_back(b.Pixel(x, y));
  return out;
}

TEST(BorderImage, MarginsWiderThanTheTargetGiveUpTheirExcess) {
  // 5 wide, margins 3 and 3: 3 and 2.
  EXPECT_EQ(NarrowRow(5, 3, 3, 0), (std::vector<uint32_t>{Tag(0, 0), Tag(1, 0), Tag(2, 0), Tag(7, 0), Tag(8, 0)}));
  // 3 wide, margins 2 and 3: 1 and 1; the middle column of the middle row
  // is the centre, left to the background.
  EXPECT_EQ(NarrowRow(3, 2, 3, 1), (std::vector<uint32_t>{Tag(0, 1), kBackground, Tag(8, 1)}));
  EXPECT_EQ(NarrowRow(3, 2, 3, 0), (std::vector<uint32_t>{Tag(0, 0), Tag(1, 0), Tag(8, 0)}));
}

TEST(BorderImage, KeyPixelsOfCornersTakeTheParentOrItsColourButEdgesNever) {
  for (const int maskType : {0, 1}) {
    HandSkin skin(8, 8);
    // A 3 x 3 image, all key colour, with its mask (zeros) below when masked.
    FillRectColor(skin.Master(), Rect{0, 0, 3, 3}, kSkinKeyColor);
    const int border = skin.AddMask(Entry(Rect{0, 0, 3, 3 * (maskType + 1)}, 1, maskType, 4));
    skin.Mask(border).WL = skin.Mask(border).WT = skin.Mask(border).WR = skin.Mask(border).WB = 1;
    const int k = skin.AddSection("S");
    skin.Section(k).BorderIndex = border;
    skin.Section(k).Transparency = 100;  // the background copies the parent block

    Bitmap parent(20, 20, PixelFormat::Bgr24);
    DrawTags(parent, Rect{0, 0, 20, 20});
    Bitmap item = Filled(4, 4, PixelFormat::Bgr24, kBackground);
    // The item at (5, 6) in a parent described at offset (1, 2).
    PaintSection(k, "S", CacheInfoOfBitmap(&parent, 1, 2), false, 0, Rect{0, 0, 4, 4}, Point{5, 6}, &item,
                 &skin.manager);
    EXPECT_EQ(item.Pixel(3, 3), Tag(1 + 5 + 3, 2 + 6 + 3)) << "mask type " << maskType;
    EXPECT_EQ(item.Pixel(0, 0), Tag(6, 8));

    // Not ready: the fill colour.
    TCacheInfo plain;
    plain.FillColor = 0x00AA00;
    Bitmap alone = Filled(4, 4, PixelFormat::Bgr24, kBackground);
    PaintBorderImage(alone, Rect{0, 0, 4, 4}, false, plain, skin.Mask(border), 0, true);
    EXPECT_EQ(alone.Pixel(3, 0), 0x00AA00u) << "mask type " << maskType;
    // An edge pixel of key colour: opaque copy (unmasked) or kept (masked).
    EXPECT_EQ(alone.Pixel(1, 0), maskType ? kBackground : kSkinKeyColor);
  }
}

TEST(BorderImage, StretchedEdgesOfAPlainImage) {
  HandSkin skin(8, 8);
  FillRectColor(skin.Master(), Rect{0, 0, 6, 6}, 0x204060);
  TsMaskData e = Entry(Rect{0, 0, 6, 6}, 1, 0, 5);  // stretch and centre
  e.WL = e.WT = e.WR = e.WB = 2;
  const int i = skin.AddMask(e);
  Bitmap b = Filled(40, 9, PixelFormat::Bgra32, 0);
  PaintBorderImage(b, Rect{0, 0, 40, 9}, true, TCacheInfo{}, skin.Mask(i), 0, false);
  // Area averaging of an even colour is that colour, everywhere.
  EXPECT_EQ(b, Filled(40, 9, PixelFormat::Bgra32, 0xFF204060));
}

// Painted filling, a border's edges and centre come from one kept result.
// They must equal the border painted without its centre plus the centre
// painted alone by paintCentre(bitmap, target, source rectangle, entry):
// twice over (the result made, then kept), in both states, with an empty
// centre, in a bitmap that cuts the target, and for an image partly outside
// its bitmap (the parts are then painted one by one).
template <typename PaintCentre>
void ExpectOneResultLikeTheParts(HandSkin& skin, std::initializer_list<int> entries, PaintCentre paintCentre) {
  const Rect targets[] = {{0, 0, 40, 20}, {2, 1, 11, 6}, {-3, 4, 30, 40}, {1, 1, 40, 18}};
  for (const int i : entries)
    for (int round = 0; round < 2; ++round)
      for (const Rect& R : targets)
        for (int state = 0; state < 2; ++state) {
          const TsMaskData& e = skin.Mask(i);
          Bitmap expected = Filled(36, 24, PixelFormat::Bgr24, kBackground), got = expected;
          PaintBorderImage(expected, R, false, TCacheInfo{}, e, state, false);
          const int l = e.WL, t = e.WT, r = e.WR, b = e.WB;  // no target here squeezes them
          const int x0 = e.R.Left + StateIndex(e, state) * (e.R.Width() / e.ImageCount);
          const int imageRows = e.MaskType ? e.R.Height() / 2 : e.R.Height();
          paintCentre(expected, Rect{R.Left + l, R.Top + t, R.Right - r, R.Bottom - b},
                      Rect{x0 + l, e.R.Top + t, x0 + e.R.Width() / e.ImageCount - r, e.R.Top + imageRows - b}, e);
          PaintBorderImage(got, R, true, TCacheInfo{}, e, state, false);
          ASSERT_EQ(got, expected) << i << " round " << round << " " << R.Left << "," << R.Top << " "
                                   << R.Width() << "x" << R.Height() << " state " << state;
        }
}

TEST(BorderImage, StretchedPartsFromOneResultEqualThePartsPaintedAlone) {
  HandSkin skin(30, 12);
  DrawTags(skin.Master(), Rect{0, 0, 30, 12});
  TsMaskData whole = Entry(Rect{0, 0, 24, 9}, 2, 0, 5);
  whole.WL = 4, whole.WT = 2, whole.WR = 5, whole.WB = 3;
  TsMaskData beyond = Entry(Rect{20, 4, 32, 12}, 1, 0, 5);
  beyond.WL = beyond.WT = beyond.WR = beyond.WB = 2;
  ExpectOneResultLikeTheParts(skin, {skin.AddMask(whole), skin.AddMask(beyond)},
                              [&](Bitmap& b, const Rect& target, const Rect& from, const TsMaskData&) {
                                PaintPlatform().StretchHalftone(b, target, skin.Master(), from);
                              });
}

// The masked one in one masked copy per band, key pixels and all.
TEST(BorderImage, MaskedPartsFromOneResultEqualThePartsPaintedAlone) {
  HandSkin skin(48, 30);
  DrawTags(skin.Master(), Rect{0, 0, 48, 30});  // the mask rows get tags too: every mask value differs
  for (int x = 0; x < 42; x += 5) skin.Master().SetPixel(x, (x / 5) % 15, kSkinKeyColor);
  TsMaskData inside = Entry(Rect{0, 0, 42, 30}, 2, 1, 4);  // the centre when filling, in every state
  inside.WL = 4, inside.WT = 3, inside.WR = 5, inside.WB = 2;
  TsMaskData beyond = Entry(Rect{30, 0, 54, 30}, 1, 1, 4);
  beyond.WL = beyond.WT = beyond.WR = beyond.WB = 3;
  ExpectOneResultLikeTheParts(skin, {skin.AddMask(inside), skin.AddMask(beyond)},
                              [&](Bitmap& b, const Rect& target, const Rect& from, const TsMaskData& e) {
                                for (int y = target.Top; y < target.Bottom; y += from.Height())
                                  for (int x = target.Left; x < target.Right; x += from.Width()) {
                                    const int w = std::min(from.Width(), target.Right - x);
                                    const int h = std::min(from.Height(), target.Bottom - y);
                                    CopyMasked(Rect{x, y, x + w, y + h},
                                               Rect{from.Left, from.Top, from.Left + w, from.Top + h}, b, e, false,
                                               TCacheInfo{}, skin.Master());
                                  }
                              });
}

TEST(BorderImage, ABareBitmapNameHasNoDrawModeSoNoCentre) {
  const ImageReference ref = ParseImageReference("PANEL", "BORDERSMASK", "frame.bmp");
  ASSERT_EQ(ref.kind, ImageReference::File);
  EXPECT_EQ(ref.entry.DrawMode, 0);
  HandSkin skin(8, 8);
  TsMaskData e = ref.entry;
  e.Bmp = std::make_shared<Bitmap>(Filled(9, 6, PixelFormat::Bgr24, 0x112233));  // mask rows 3..5 are 0x112233 too
  e.R = Rect{0, 0, 9, 6};
  ComputeMaskBorders(e);
  e.Manager = &skin.manager;
  Bitmap b = Filled(9, 9, PixelFormat::Bgr24, kBackground);
  PaintBorderImage(b, Rect{0, 0, 9, 9}, true, TCacheInfo{}, e, 0, false);
  EXPECT_EQ(b.Pixel(4, 4), kBackground);
  EXPECT_NE(b.Pixel(0, 0), kBackground);
}

}  // namespace
}  // namespace wakespan
