// The row kernels of the masked copies against the per-pixel paths: 24-bit
// destinations take the row kernels, 32-bit ones the per-pixel loop, so the
// colour channels of both must agree on random images, masks, key pixels,
// offsets, clipping and parent modes. Tiled copies are checked against one
// masked copy per tile.
#include <gtest/gtest.h>

#include <random>

#include "skin/pixels/PixelKernels.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

constexpr uint32_t kKey = 0xFF00FF;

struct Image {
  Bitmap bits;
  TsMaskData entry;
};

// `rows` image rows over `rows` mask rows; about a fifth of the image pixels
// are the key colour, masks are 0, 255 or anything.
Image RandomImage(std::mt19937& rng, int width, int rows) {
  Image im;
  im.bits = Bitmap(width, rows * 2, PixelFormat::Bgr24);
  for (int y = 0; y < rows * 2; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t color = rng() & 0xFFFFFF;
      if (y < rows && rng() % 5 == 0) color = kKey;
      if (y >= rows && rng() % 3 == 0) color = rng() % 2 ? 0 : 0xFFFFFF;
      im.bits.SetPixel(x, y, color);
    }
  }
  im.entry.R = Rect{0, 0, width, rows * 2};
  im.entry.ImageCount = 1;
  im.entry.MaskType = 1;
  return im;
}

Bitmap RandomBitmap(std::mt19937& rng, int width, int height, PixelFormat format) {
  Bitmap b(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, rng() & 0xFFFFFF);
  return b;
}

// The 32-bit copy of a 24-bit bitmap, alpha 0.
Bitmap Widened(const Bitmap& b) {
  Bitmap wide(b.Width(), b.Height(), PixelFormat::Bgra32);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) wide.SetPixel(x, y, b.Pixel(x, y) & 0xFFFFFF);
  return wide;
}

void ExpectSameColours(const Bitmap& narrow, const Bitmap& wide, int round) {
  for (int y = 0; y < narrow.Height(); ++y)
    for (int x = 0; x < narrow.Width(); ++x)
      ASSERT_EQ(narrow.Pixel(x, y) & 0xFFFFFF, wide.Pixel(x, y) & 0xFFFFFF)
          << "round " << round << " at " << x << "," << y;
}

int Between(std::mt19937& rng, int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); }

Rect RandomRect(std::mt19937& rng, int w, int h) {
  const int x = Between(rng, -5, w + 2), y = Between(rng, -3, h + 2);
  return Rect{x, y, x + Between(rng, 0, w + 6), y + Between(rng, 0, h + 4)};
}

TEST(MaskedRows, CopyMaskedRowsMatchThePixelLoop) {
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    const Image im = RandomImage(rng, Between(rng, 1, 45), Between(rng, 1, 8));
    const Bitmap parent = RandomBitmap(rng, Between(rng, 1, 30), Between(rng, 1, 12), PixelFormat::Bgr24);
    Bitmap narrow = RandomBitmap(rng, Between(rng, 1, 50), Between(rng, 1, 12), PixelFormat::Bgr24);
    Bitmap wide = Widened(narrow);
    TCacheInfo ci;
    if (rng() % 2) ci = CacheInfoOfBitmap(&parent, Between(rng, -4, 6), Between(rng, -4, 6));
    ci.FillColor = rng() & 0xFFFFFF;
    const bool update = rng() % 2;
    const Rect D = RandomRect(rng, narrow.Width(), narrow.Height());
    const Rect Sr = RandomRect(rng, im.bits.Width(), im.bits.Height() / 2);
    CopyMasked(D, Sr, narrow, im.entry, update, ci, im.bits);
    CopyMasked(D, Sr, wide, im.entry, update, ci, im.bits);
    ExpectSameColours(narrow, wide, round);
  }
}

TEST(MaskedRows, GlyphRowsMatchThePixelLoopPlainAndFaded) {
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    const Image im = RandomImage(rng, Between(rng, 1, 45), Between(rng, 1, 8));
    Bitmap narrow = RandomBitmap(rng, Between(rng, 1, 50), Between(rng, 1, 12), PixelFormat::Bgr24);
    Bitmap wide = Widened(narrow);
    const Rect d = RandomRect(rng, narrow.Width(), narrow.Height());
    const Rect s = RandomRect(rng, im.bits.Width(), im.bits.Height() / 2);
    // Inclusive rectangles, as the glyph copy takes them.
    const Rect Dr{d.Left, d.Top, d.Right - 1, d.Bottom - 1}, Sr{s.Left, s.Top, s.Right - 1, s.Bottom - 1};
    const int g = static_cast<int>(rng() % 3);
    CopyGlyphMasked(Dr, Sr, narrow, im.entry, g, im.bits);
    CopyGlyphMasked(Dr, Sr, wide, im.entry, g, im.bits);
    ExpectSameColours(narrow, wide, round);
  }
}

// The tiled copy of Sr over D against one masked copy per tile.
void ExpectTiledLikePerTile(const Image& im, const Rect& Sr, const Rect& D, const Bitmap& start,
                            const TCacheInfo& ci, int round) {
  Bitmap tiled = start, perTile = start;
  ASSERT_TRUE(CopyMaskedTiled(D, Sr, tiled, im.entry, ci, im.bits));
  for (int y = D.Top; y < D.Bottom; y += Sr.Height()) {
    for (int x = D.Left; x < D.Right; x += Sr.Width()) {
      const int tw = std::min(Sr.Width(), D.Right - x), th = std::min(Sr.Height(), D.Bottom - y);
      CopyMasked(Rect{x, y, x + tw, y + th}, Rect{Sr.Left, Sr.Top, Sr.Left + tw, Sr.Top + th}, perTile,
                 im.entry, false, ci, im.bits);
    }
  }
  ExpectSameColours(tiled, perTile, round);
}

// Painted twice: first the tiled rows are made and kept, then reused.
TEST(MaskedRows, TiledCopyMatchesOneCopyPerTile) {
  std::mt19937 rng(13);
  for (int round = 0; round < 400; ++round) {
    const Image im = RandomImage(rng, Between(rng, 1, 30), Between(rng, 1, 8));
    const Bitmap parent = RandomBitmap(rng, 20, 20, PixelFormat::Bgr24);
    const Bitmap start = RandomBitmap(rng, Between(rng, 1, 60), Between(rng, 1, 20), PixelFormat::Bgr24);
    const TCacheInfo ci = rng() % 2 ? CacheInfoOfBitmap(&parent, 0, 0) : TCacheInfo{};
    const int w = im.bits.Width(), h = im.bits.Height() / 2;
    const int sx = Between(rng, 0, w - 1), sy = Between(rng, 0, h - 1);
    const Rect Sr{sx, sy, Between(rng, sx + 1, w), Between(rng, sy + 1, h)};
    const Rect D = RandomRect(rng, start.Width(), start.Height());
    for (int paint = 0; paint < 2; ++paint) ExpectTiledLikePerTile(im, Sr, D, start, ci, round);
  }
}

// Tiled rows too large to keep are tiled into scratch rows for each paint.
TEST(MaskedRows, TiledCopyBeyondWhatIsKeptMatchesToo) {
  std::mt19937 rng(19);
  const Image im = RandomImage(rng, 7, 600);
  const Bitmap start = RandomBitmap(rng, 1100, 40, PixelFormat::Bgr24);
  ExpectTiledLikePerTile(im, Rect{0, 0, 7, 600}, Rect{3, 2, 1100, 40}, start, TCacheInfo{}, 0);
  EXPECT_EQ(im.entry.Stretched.Count(), 0u);
}

TEST(MaskedRows, TiledCopyRefusesWhatItCannotDoInRows) {
  std::mt19937 rng(17);
  const Image im = RandomImage(rng, 8, 4);
  Bitmap narrow(10, 10, PixelFormat::Bgr24);
  Bitmap wide(10, 10, PixelFormat::Bgra32);
  const Bitmap before = narrow;
  const TCacheInfo none;
  EXPECT_FALSE(CopyMaskedTiled(Rect{0, 0, 10, 10}, Rect{0, 0, 8, 4}, wide, im.entry, none, im.bits));
  EXPECT_FALSE(CopyMaskedTiled(Rect{0, 0, 10, 10}, Rect{0, 1, 8, 5}, narrow, im.entry, none, im.bits))
      << "row 4 has no mask row";
  EXPECT_FALSE(CopyMaskedTiled(Rect{0, 0, 10, 10}, Rect{-1, 0, 8, 4}, narrow, im.entry, none, im.bits));
  EXPECT_FALSE(CopyMaskedTiled(Rect{0, 0, 10, 10}, Rect{2, 0, 2, 4}, narrow, im.entry, none, im.bits));
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(narrow.Pixel(x, y), before.Pixel(x, y));
}

TEST(MaskedRows, MaskBlendBytesMatchesTheFormula) {
  std::mt19937 rng(19);
  for (int round = 0; round < 200; ++round) {
    const int count = Between(rng, 0, 100);
    const uint8_t lift = rng() % 2 ? 100 : 0;
    std::vector<uint8_t> d(count), s(count), m(count), out(count);
    for (int i = 0; i < count; ++i) {
      d[i] = static_cast<uint8_t>(rng()), s[i] = static_cast<uint8_t>(rng());
      m[i] = static_cast<uint8_t>(rng() % 3 == 0 ? (rng() % 2) * 255 : rng());
    }
    kernels::MaskBlendBytes(d.data(), s.data(), m.data(), out.data(), count, lift);
    for (int i = 0; i < count; ++i) {
      const int mask = std::min(m[i] + lift, 255);
      ASSERT_EQ(out[i], (d[i] * mask + s[i] * (256 - mask)) >> 8) << "byte " << i;
    }
    // In place.
    kernels::MaskBlendBytes(d.data(), s.data(), m.data(), d.data(), count, lift);
    ASSERT_EQ(d, out);
  }
}

}  // namespace
}  // namespace wakespan
