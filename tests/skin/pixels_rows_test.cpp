// The row fill, the keyed copy and the two blends on rows of every width from 1 to 40,
// against per-pixel reference formulas: whatever row loop the processor
// gets (vector body or plain tail), the results must be the same.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "skin/pixels/RowFill.h"
#include "skin/pixels/sAlphaGraph.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

// Random pixels with about one in four set to `key` (for 32-bit, key with
// alpha 0 as a whole value, so the comparison includes alpha).
Bitmap RandomBitmap(int width, int height, PixelFormat format, uint32_t key, std::mt19937& rng) {
  Bitmap b(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, rng() % 4 == 0 ? key : rng());
  return b;
}

class RowsTest : public ::testing::TestWithParam<PixelFormat> {
 protected:
  std::mt19937 rng{1234};
};

TEST_P(RowsTest, CopyKeyedLeavesExactlyTheKeyPixels) {
  for (const uint32_t key : {0x00FF00FFu, 0x003C5A7Eu}) {
    for (int width = 1; width <= 40; ++width) {
      const Bitmap src = RandomBitmap(width, 2, GetParam(), key, rng);
      const Bitmap before = RandomBitmap(width + 3, 3, GetParam(), 0, rng);
      Bitmap dst = before;
      TCacheInfo keep;
      keep.Ready = true;
      CopyKeyed(dst, src, 2, 1, false, keep, key, Rect{0, 0, width - 1, 1});
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < width + 3; ++x) {
          const bool inside = x >= 2 && x - 2 < width && y >= 1;
          const uint32_t s = inside ? src.Pixel(x - 2, y - 1) : 0;
          const uint32_t want = inside && s != key ? s : before.Pixel(x, y);
          ASSERT_EQ(dst.Pixel(x, y), want) << width << " " << x << "," << y;
        }
      }
    }
  }
}

// Key pixels take the parent pixel behind them; parent offsets that put
// rows or ends of rows outside the parent leave those pixels as they were.
TEST_P(RowsTest, CopyKeyedTakesTheParentBehindKeyPixelsOrLeavesThem) {
  const uint32_t key = 0x00FF00FFu;
  const Point offsets[] = {{0, 0}, {3, 1}, {-2, 0}, {9, -1}, {-1, 3}};
  for (int width = 1; width <= 40; ++width) {
    for (const Point& o : offsets) {
      const Bitmap src = RandomBitmap(width, 3, GetParam(), key, rng);
      const Bitmap parent = RandomBitmap(width + 4, 4, GetParam(), 0, rng);
      const Bitmap before = RandomBitmap(width + 3, 4, GetParam(), 0, rng);
      Bitmap dst = before;
      CopyKeyed(dst, src, 2, 1, true, CacheInfoOfBitmap(&parent, o.X, o.Y), key, Rect{0, 0, width - 1, 2});
      for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < width + 3; ++x) {
          const bool inside = x >= 2 && x - 2 < width && y >= 1;
          const uint32_t s = inside ? src.Pixel(x - 2, y - 1) : 0;
          const int px = x + o.X, py = y + o.Y;
          const bool behind = px >= 0 && py >= 0 && px < parent.Width() && py < parent.Height();
          uint32_t want = before.Pixel(x, y);
          if (inside && s != key) want = s;
          if (inside && s == key && behind) want = parent.Pixel(px, py);
          ASSERT_EQ(dst.Pixel(x, y), want) << width << " " << o.X << "," << o.Y << " " << x << "," << y;
        }
      }
    }
  }
}

TEST_P(RowsTest, BlendWithAlphaMatchesTheByteFormula) {
  for (const int alpha : {0, 1, 127, 128, 254, 255}) {
    for (int width = 1; width <= 40; ++width) {
      const Bitmap src = RandomBitmap(width, 2, GetParam(), 0, rng);
      const Bitmap before = RandomBitmap(width, 2, GetParam(), 0, rng);
      Bitmap dst = before;
      BlendWithAlpha(dst, src, static_cast<uint8_t>(alpha), Point{0, 0}, Rect{0, 0, width, 2});
      for (int y = 0; y < 2; ++y) {
        for (int i = 0; i < width * dst.BytesPerPixel(); ++i) {
          const int want = (before.Row(y)[i] * alpha + src.Row(y)[i] * (255 - alpha) + 127) >> 8;
          ASSERT_EQ(dst.Row(y)[i], want) << alpha << " " << width << " " << i;
        }
      }
    }
  }
}

TEST_P(RowsTest, BlendPercentMatchesTheDoubleFormula) {
  const uint32_t key = 0x003C5A7E;
  for (const double p : {0.4, 0.5, 0.25, 0.6, 0.3, 0.123456789, 0.0, 1.0}) {
    for (int width = 1; width <= 40; ++width) {
      const Bitmap src = RandomBitmap(width, 1, GetParam(), key, rng);
      const Bitmap before = RandomBitmap(width, 1, GetParam(), 0, rng);
      Bitmap dst = before;
      BlendPercent(dst, 0, 0, key, p, Rect{0, 0, width - 1, 0}, src);
      const int bpp = dst.BytesPerPixel();
      for (int x = 0; x < width; ++x) {
        const bool skip = src.Pixel(x, 0) == key;
        for (int c = 0; c < bpp; ++c) {
          const int s = src.Row(0)[x * bpp + c], d = before.Row(0)[x * bpp + c];
          const int want = skip || c == 3 ? d : static_cast<int>(std::nearbyint(s - p * (s - d)));
          ASSERT_EQ(dst.Row(0)[x * bpp + c], want) << p << " " << width << " " << x << " " << c;
        }
      }
    }
  }
}

// Rows are stored in 96-byte pieces, the last one ending at the row's end:
// every count and start offset around those pieces must give exactly the
// pixel, count times, and not one byte more.
TEST_P(RowsTest, RowFillWritesExactlyCountPixels) {
  const int bpp = GetParam() == PixelFormat::Bgra32 ? 4 : 3;
  const uint8_t pixel[4] = {0x12, 0x34, 0x56, 0x78};
  for (int offset = 0; offset < 5; ++offset) {
    for (int count = 0; count <= 100; ++count) {
      std::vector<uint8_t> row(size_t(offset + count * bpp + 40), 0xEE);
      PixelRowFill(pixel, bpp).Fill(row.data() + offset, count);
      for (size_t i = 0; i < row.size(); ++i) {
        const long long at = static_cast<long long>(i) - offset;
        const bool inside = at >= 0 && at < count * bpp;
        ASSERT_EQ(row[i], inside ? pixel[at % bpp] : 0xEE) << bpp << " " << offset << " " << count << " " << i;
      }
    }
  }
}

// Short rows move inline, long ones through memmove: both must move like
// memmove, overlapping or not.
TEST(RowMove, MovesLikeMemmoveAtEveryLengthAndOverlap) {
  for (size_t bytes = 0; bytes <= 40; ++bytes) {
    for (const int shift : {-3, -1, 1, 5, 64}) {
      std::vector<uint8_t> moved(160), expected(160);
      for (size_t i = 0; i < moved.size(); ++i) moved[i] = expected[i] = static_cast<uint8_t>(i * 7 + 1);
      MoveRowBytes(moved.data() + 32 + shift, moved.data() + 32, bytes);
      std::memmove(expected.data() + 32 + shift, expected.data() + 32, bytes);
      ASSERT_EQ(moved, expected) << bytes << " " << shift;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RowsTest,
                         ::testing::Values(PixelFormat::Bgr24, PixelFormat::Bgra32));

}  // namespace
}  // namespace wakespan
