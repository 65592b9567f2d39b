// The stretch cache of skin images: results kept per key within a budget,
// and painting through it exactly as through the platform's stretch.
#include <gtest/gtest.h>


#include "paint_test_helpers.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/HostPaintPlatform.h"
#include "skin/paint/sCachedStretch.h"
#include "skin/paint/sSectionPaint.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan {
namespace {

StretchCache::Key KeyOf(int width, int height, PixelFormat format = PixelFormat::Bgr24,
                        const Bitmap* source = nullptr) {
  return StretchCache::Key{nullptr, source, Rect{0, 0, 4, 4}, width, height, format};
}

TEST(StretchCache, KeepsOneResultPerKey) {
  StretchCache cache;
  const Bitmap source;
  EXPECT_EQ(cache.Find(KeyOf(8, 8)), nullptr);
  Bitmap* made = cache.Add(KeyOf(8, 8));
  ASSERT_NE(made, nullptr);
  made->SetPixel(0, 0, 0x123456);
  const Bitmap* found = cache.Find(KeyOf(8, 8));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Pixel(0, 0), 0x123456u);
  // Any other size, format or source is another result.
  EXPECT_EQ(cache.Find(KeyOf(8, 9)), nullptr);
  EXPECT_EQ(cache.Find(KeyOf(8, 8, PixelFormat::Bgra32)), nullptr);
  EXPECT_EQ(cache.Find(KeyOf(8, 8, PixelFormat::Bgr24, &source)), nullptr);
}

TEST(StretchCache, DropsTheLeastRecentlyUsedAndNeverKeepsWhatExceedsTheBudget) {
  StretchCache cache;
  for (int i = 1; i <= int(StretchCache::kMaxResults); ++i) ASSERT_NE(cache.Add(KeyOf(i, 1)), nullptr);
  ASSERT_NE(cache.Find(KeyOf(1, 1)), nullptr);  // now the most recent
  ASSERT_NE(cache.Add(KeyOf(100, 1)), nullptr);
  EXPECT_EQ(cache.Count(), StretchCache::kMaxResults);
  EXPECT_NE(cache.Find(KeyOf(1, 1)), nullptr);
  EXPECT_EQ(cache.Find(KeyOf(2, 1)), nullptr);
  // Pixels count too: one result of the whole budget leaves room for nothing else.
  ASSERT_NE(cache.Add(KeyOf(1024, 1024)), nullptr);
  EXPECT_EQ(cache.Count(), 1u);
  EXPECT_EQ(cache.Add(KeyOf(1025, 1024)), nullptr);
}

TEST(StretchCache, ACopiedEntryStartsWithoutResults) {
  TsMaskData entry;
  entry.Stretched.Add(KeyOf(3, 3));
  const TsMaskData copy = entry;
  EXPECT_EQ(copy.Stretched.Count(), 0u);
  EXPECT_EQ(entry.Stretched.Count(), 1u);
}

// Source pixels that differ everywhere, so any resampling slip shows.
Bitmap Pattern(int w, int h, PixelFormat format) {
  Bitmap b(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, MakeColor((x * 37 + y * 11) & 0xFF, (x * 5 + y * 53) & 0xFF, (x * y * 7) & 0xFF) | 0xFF000000u);
  return b;
}

TEST(CachedStretch, PaintsWhatThePlatformPaintsOnEveryCallAndPlace) {
  const Bitmap src = Pattern(14, 9, PixelFormat::Bgr24);
  const Rect targets[] = {{3, 2, 20, 9}, {0, 0, 31, 4}, {-5, -2, 12, 7}, {25, 8, 40, 30}, {2, 1, 9, 5}};
  for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgra32}) {
    StretchCache cache;
    for (int round = 0; round < 2; ++round)  // first resampled, then from the cache
      for (const Rect& Dr : targets)
        for (const Rect& Sr : {Rect{0, 0, 14, 9}, Rect{2, 1, 11, 8}, Rect{-3, 4, 20, 30}}) {
          Bitmap expected = Pattern(30, 20, format), got = expected;
          PaintPlatform().StretchHalftone(expected, Dr, src, Sr);
          StretchHalftoneCached(got, Dr, src, Sr, cache);
          ASSERT_EQ(got, expected) << round << " " << Dr.Left << "," << Dr.Top << " " << Sr.Left;
        }
    EXPECT_GT(cache.Count(), 0u);
  }
}

// A resampler that paints one colour, to tell whose result is copied.
class FlatStretch : public HostPaintPlatform {
 public:
  void StretchHalftone(Bitmap& B, Rect Dr, const Bitmap&, Rect) override { FillRectColor(B, Dr, 0x0000FF); }
};

TEST(CachedStretch, ResultsOfAnotherPlatformAreNotTaken) {
  const Bitmap src = Pattern(6, 6, PixelFormat::Bgr24);
  StretchCache cache;
  Bitmap host(10, 10, PixelFormat::Bgr24);
  StretchHalftoneCached(host, Rect{0, 0, 10, 10}, src, Rect{0, 0, 6, 6}, cache);
  FlatStretch flat;
  const test::PlatformScope scope(flat);
  Bitmap b(10, 10, PixelFormat::Bgr24);
  StretchHalftoneCached(b, Rect{0, 0, 10, 10}, src, Rect{0, 0, 6, 6}, cache);
  EXPECT_EQ(b, Filled(10, 10, PixelFormat::Bgr24, 0x0000FF));
}

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
Bitmap PaintButton(TsSkinManager& m, int w, int h, int state) {
  Bitmap b(w, h, PixelFormat::Bgr24);
  TCacheInfo plain;
  plain.FillColor = 0x00AA00;
  PaintSection(m.GetSkinIndex("BUTTON"), "BUTTON", plain, true, state, Rect{0, 0, w, h}, Point{}, &b, &m);
  return b;
}

// The button's border stretches its edges and centre: painted again and in
// other sizes it must look exactly as painted by a manager that never
// painted before.
TEST(CachedStretch, RepaintedButtonsOfEverySizeEqualTheirFirstPainting) {
  const ByteBuffer packed = test::EmbeddedPackedSkin();
  TsSkinManager warm;
  warm.LoadPackedData(packed.data(), packed.size());
  const Size sizes[] = {{75, 25}, {23, 22}, {120, 40}, {75, 25}, {9, 5}, {23, 22}};
  for (int round = 0; round < 2; ++round)
    for (const Size& s : sizes)
      for (int state = 0; state < 3; ++state) {
        TsSkinManager cold;
        cold.LoadPackedData(packed.data(), packed.size());
        ASSERT_EQ(PaintButton(warm, s.Width, s.Height, state), PaintButton(cold, s.Width, s.Height, state))
            << s.Width << "x" << s.Height << " state " << state;
      }
}

TEST(CachedStretch, ALoadedSkinDropsTheResultsOfTheSkinBefore) {
  const ByteBuffer packed = test::EmbeddedPackedSkin();
  TsSkinManager m;
  m.LoadPackedData(packed.data(), packed.size());
  const Bitmap before = PaintButton(m, 75, 25, 1);
  // The same images with shifted colours: same entries, same sizes, other pixels.
  m.HueOffset = 90;
  m.LoadPackedData(packed.data(), packed.size());
  TsSkinManager fresh;
  fresh.HueOffset = 90;
  fresh.LoadPackedData(packed.data(), packed.size());
  const Bitmap after = PaintButton(m, 75, 25, 1);
  EXPECT_NE(after, before);
  EXPECT_EQ(after, PaintButton(fresh, 75, 25, 1));
}
#endif

}  // namespace
}  // namespace wakespan
