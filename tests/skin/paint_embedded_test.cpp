// Sections of the embedded skin painted as the program paints them.
#include <gtest/gtest.h>


#include "pixel_test_helpers.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/sAlphaGraph.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan {
namespace {

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
class EmbeddedPaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    manager_ = test::LoadEmbeddedSkin().release();
  }
  static void TearDownTestSuite() { delete manager_; }
  TsSkinManager& m() { return *manager_; }
  Bitmap Paint(const char* section, int w, int h, int state, const TCacheInfo& ci, bool filling = true) {
    Bitmap b(w, h, PixelFormat::Bgr24);
    PaintSection(m().GetSkinIndex(section), section, ci, filling, state, Rect{0, 0, w, h}, Point{}, &b, &m());
    return b;
  }
  static TCacheInfo Unknown() {
    TCacheInfo ci;
    ci.FillColor = 0xFF00FF;
    return ci;
  }
  static TsSkinManager* manager_;
};
TsSkinManager* EmbeddedPaintTest::manager_ = nullptr;

TEST_F(EmbeddedPaintTest, ButtonHotCornersComeFromTheSecondStateKeyedToTheParentColour) {
  TCacheInfo plain;
  plain.FillColor = 0x00AA00;
  const Bitmap b = Paint("BUTTON", 75, 25, 1, plain);
  const Bitmap& master = *m().MasterBitmap;
  // "^0048^0040^0114^0062^0004..^3^0^5^0": states 22 wide, state 1 at x 70.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const uint32_t s = master.Pixel(70 + x, 40 + y);
      EXPECT_EQ(b.Pixel(x, y), s == kSkinKeyColor ? 0x00AA00u : s) << x << "," << y;
      const uint32_t r = master.Pixel(88 + x, 58 + y);
      EXPECT_EQ(b.Pixel(71 + x, 21 + y), r == kSkinKeyColor ? 0x00AA00u : r) << x << "," << y;
    }
}

TEST_F(EmbeddedPaintTest, MenuItemInStateZeroIsTheParentUnchanged) {
  Bitmap parent(150, 22, PixelFormat::Bgr24);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 150; ++x) parent.SetPixel(x, y, MakeColor(x, y * 10, 77));
  EXPECT_EQ(Paint("MENUITEM", 150, 22, 0, CacheInfoOfBitmap(&parent, 0, 0)), parent);
}

TEST_F(EmbeddedPaintTest, MenuItemHotBackgroundIsHalfTheGradientOverTheParent) {
  const Bitmap black(150, 22, PixelFormat::Bgr24);
  Bitmap b(150, 22, PixelFormat::Bgr24);
  const int k = m().GetSkinIndex("MENUITEM");
  PaintSectionBackground(k, "MENUITEM", CacheInfoOfBitmap(&black, 0, 0), kSkinColor, -1, -1, &m(), b, Point{},
                         Rect{0, 0, 150, 22}, 1);
  // Row 0 of the gradient is white: alpha 127 keeps (255 * 128 + 127) shr 8 = 127.
  EXPECT_EQ(b.Pixel(0, 0), Gray(127));
  Bitmap gradient(150, 22, PixelFormat::Bgr24);
  PaintGradient(gradient, Rect{0, 0, 150, 22}, m().gd[size_t(k)].HotGradientArray);
  Bitmap expected(150, 22, PixelFormat::Bgr24);
  BlendWithAlpha(expected, gradient, 127, Point{0, 0}, Rect{0, 0, 150, 22});
  EXPECT_EQ(b, expected);
}

TEST_F(EmbeddedPaintTest, FormIsItsGradientInsideATwoPixelFrame) {
  const Bitmap b = Paint("FORM", 357, 389, 0, Unknown());
  Bitmap gradient(357, 389, PixelFormat::Bgr24);
  PaintGradient(gradient, Rect{0, 0, 357, 389}, m().gd[size_t(m().GetSkinIndex("FORM"))].GradientArray);
  EXPECT_EQ(gradient.Pixel(100, 0), 8085332u);
  for (const Point p : {Point{2, 2}, Point{178, 194}, Point{354, 386}})
    EXPECT_EQ(b.Pixel(p.X, p.Y), gradient.Pixel(p.X, p.Y)) << p.X << "," << p.Y;
  EXPECT_NE(b.Pixel(1, 100), gradient.Pixel(1, 100)) << "the frame";
}
#endif

}  // namespace
}  // namespace wakespan
