// Textures in every draw mode, the part of R they leave, masked textures.
#include <gtest/gtest.h>

#include "paint_test_helpers.h"
#include "skin/paint/sTexture.h"

namespace wakespan {
namespace {

using test::DrawTags;
using test::Entry;
using test::HandSkin;
using test::Tag;

constexpr uint32_t kBackground = 0x010203;

// A 3 x 2 texture at (4, 4) of the master bitmap, painted into (1, 1, 9, 8)
// of a 10 x 9 bitmap.
struct TextureModes : ::testing::Test {
  HandSkin skin{16, 16};
  int index = -1;
  void SetUp() override {
    DrawTags(skin.Master(), Rect{4, 4, 7, 6});
    index = skin.AddMask(Entry(Rect{4, 4, 7, 6}, 1, 0));
  }
  Rect Paint(int mode, Bitmap& b) {
    Rect R{1, 1, 9, 8};
    PaintTexture(b, R, nullptr, mode, skin.Mask(index));
    return R;
  }
};

TEST_F(TextureModes, TiledBandsAndWhatTheyLeave) {
  const struct {
    int mode;
    Rect left;
    Point painted, unpainted;
    uint32_t tag;
  } cases[] = {
      {0, kCoveredRect, {8, 7}, {0, 0}, Tag(7 % 3, 6 % 2)},
      {2, Rect{1, 3, 9, 8}, {8, 2}, {1, 3}, Tag(7 % 3, 1)},
      {3, Rect{4, 1, 9, 8}, {3, 7}, {4, 1}, Tag(2, 6 % 2)},
      {6, Rect{1, 1, 9, 6}, {2, 6}, {2, 5}, Tag(1, 0)},
      {7, Rect{1, 1, 6, 8}, {6, 1}, {5, 1}, Tag(5 % 3, 0)},  // the grid of R's top-left
      {10, kCoveredRect, {8, 6}, {8, 7}, Tag(7 % 3, 1)},    // rows 1..6: three whole rows
  };
  for (const auto& c : cases) {
    Bitmap b = Filled(10, 9, PixelFormat::Bgr24, kBackground);
    EXPECT_EQ(Paint(c.mode, b), c.left) << "mode " << c.mode;
    EXPECT_EQ(b.Pixel(c.painted.X, c.painted.Y), c.tag) << "mode " << c.mode;
    EXPECT_EQ(b.Pixel(c.unpainted.X, c.unpainted.Y), kBackground) << "mode " << c.mode;
  }
}

TEST_F(TextureModes, StretchedModes) {
  FillRectColor(skin.Master(), Rect{4, 4, 7, 6}, 0x336699);
  Bitmap whole = Filled(10, 9, PixelFormat::Bgr24, kBackground);
  EXPECT_EQ(Paint(1, whole), kCoveredRect);
  EXPECT_EQ(whole.Pixel(8, 7), 0x336699u);
  Bitmap top = Filled(10, 9, PixelFormat::Bgr24, kBackground);
  EXPECT_EQ(Paint(4, top), (Rect{1, 3, 9, 8}));
  EXPECT_EQ(top.Pixel(8, 2), 0x336699u);
  EXPECT_EQ(top.Pixel(8, 3), kBackground);
  Bitmap left = Filled(10, 9, PixelFormat::Bgr24, kBackground);
  EXPECT_EQ(Paint(5, left), (Rect{4, 1, 9, 8}));
  EXPECT_EQ(left.Pixel(3, 7), 0x336699u);
}

TEST_F(TextureModes, HostileRectanglesPaintNothing) {
  for (const int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
    Bitmap b = Filled(10, 9, PixelFormat::Bgr24, kBackground);
    Rect R{INT32_MIN, 0, INT32_MAX, INT32_MAX};
    PaintTexture(b, R, nullptr, mode, skin.Mask(index));
    EXPECT_EQ(b, Filled(10, 9, PixelFormat::Bgr24, kBackground)) << "mode " << mode;
  }
}

TEST_F(TextureModes, AnImageIsTiledOverAllOfR) {
  Bitmap image(2, 2, PixelFormat::Bgr24);
  DrawTags(image, Rect{0, 0, 2, 2});
  Bitmap b = Filled(10, 9, PixelFormat::Bgr24, kBackground);
  Rect R{1, 1, 9, 8};
  PaintTexture(b, R, &image, 3, skin.Mask(index));
  EXPECT_EQ(R, kCoveredRect);
  EXPECT_EQ(b.Pixel(8, 7), Tag(1, 0));
}

TEST(MaskedTexture, WholeTilesWithTheRestFromTheParent) {
  HandSkin skin(8, 8);
  // A 2 x 2 image with its 2 rows of mask (0: opaque) below.
  FillRectColor(skin.Master(), Rect{0, 0, 2, 2}, 0x445566);
  FillRectColor(skin.Master(), Rect{0, 2, 2, 4}, 0);
  const int i = skin.AddMask(Entry(Rect{0, 0, 2, 4}, 1, 1));
  Bitmap parent = Filled(20, 20, PixelFormat::Bgr24, 0);
  DrawTags(parent, Rect{0, 0, 20, 20});
  Bitmap b = Filled(5, 5, PixelFormat::Bgr24, kBackground);
  Rect R{0, 0, 5, 5};
  PaintTexture(b, R, nullptr, 10, skin.Mask(i), CacheInfoOfBitmap(&parent, 3, 4));
  EXPECT_EQ(R, kCoveredRect);
  EXPECT_EQ(b.Pixel(3, 3), 0x445566u);
  EXPECT_EQ(b.Pixel(4, 0), Tag(3 + 4, 4 + 0)) << "right column from the parent";
  EXPECT_EQ(b.Pixel(0, 4), Tag(3 + 0, 4 + 4)) << "bottom band from the parent";
  // Mode 0 cuts the last tiles; other modes paint nothing and leave R.
  Bitmap all = Filled(5, 5, PixelFormat::Bgr24, kBackground);
  Rect whole{0, 0, 5, 5};
  PaintTexture(all, whole, nullptr, 0, skin.Mask(i), TCacheInfo{});
  EXPECT_EQ(all, Filled(5, 5, PixelFormat::Bgr24, 0x445566));
  Rect kept{0, 0, 5, 5};
  PaintTexture(all, kept, nullptr, 3, skin.Mask(i), TCacheInfo{});
  EXPECT_EQ(kept, (Rect{0, 0, 5, 5}));
  // A huge rectangle costs only the visible tiles.
  Bitmap small = Filled(3, 3, PixelFormat::Bgr24, kBackground);
  PaintMaskedTexture(small, Rect{-2000000000, -2000000000, 2000000000, 2000000000}, 0, skin.Mask(i), TCacheInfo{});
  EXPECT_EQ(small, Filled(3, 3, PixelFormat::Bgr24, 0x445566));
}

}  // namespace
}  // namespace wakespan
