// Each pixel primitive on a 1024 x 768 bitmap against memcpy of the same
// bytes (the Memcpy24 / Memcpy32 rows). Bytes processed are the
// destination's pixel bytes, so the throughput columns compare directly.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/pixels/sAlphaGraph.h"
#include "skin/pixels/sColorShift.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

PixelFormat FormatOf(const benchmark::State& state) {
  return state.range(0) == 32 ? PixelFormat::Bgra32 : PixelFormat::Bgr24;
}

// Varied pixels with one key pixel in eight, like a skin image.
Bitmap Pattern(int width, int height, PixelFormat format) {
  Bitmap b(width, height, format);
  uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245 + 12345;
      b.SetPixel(x, y, x % 8 == 3 ? 0xFF00FF : seed >> 8);
    }
  }
  return b;
}

void Finish(benchmark::State& state, const Bitmap& dst) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight *
                          dst.BytesPerPixel());
}

void BM_Memcpy(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst(kWidth, kHeight, FormatOf(state));
  const size_t bytes = static_cast<size_t>(kWidth) * kHeight * dst.BytesPerPixel();
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), bytes);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_CopyKeyed(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  TCacheInfo keep;
  keep.Ready = true;
  for (auto _ : state) {
    CopyKeyed(dst, src, 0, 0, false, keep, 0xFF00FF, Rect{0, 0, kWidth - 1, kHeight - 1});
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_CopyKeyedParent(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  const Bitmap parent = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    CopyKeyed(dst, src, 0, 0, true, CacheInfoOfBitmap(&parent, 0, 0), 0xFF00FF,
              Rect{0, 0, kWidth - 1, kHeight - 1});
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_BlendWithAlpha(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    BlendWithAlpha(dst, src, 100, Point{0, 0}, Rect{0, 0, kWidth, kHeight});
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_BlendPercent(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    BlendPercent(dst, 0, 0, 0xFF00FF, 0.4, Rect{0, 0, kWidth - 1, kHeight - 1}, src);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

// A masked skin image: the image rows over its mask rows.
TsMaskData MaskedEntry() {
  TsMaskData e;
  e.R = Rect{0, 0, kWidth, 2 * kHeight};
  e.ImageCount = 1;
  e.MaskType = 1;
  return e;
}

void BM_CopyMasked(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, 2 * kHeight, PixelFormat::Bgr24);
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  const TsMaskData e = MaskedEntry();
  for (auto _ : state) {
    CopyMasked(Rect{0, 0, kWidth, kHeight}, Rect{0, 0, kWidth, kHeight}, dst, e, false,
               TCacheInfo{}, src);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_CopyGlyphMasked(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, 2 * kHeight, PixelFormat::Bgr24);
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  const TsMaskData e = MaskedEntry();
  const Rect all{0, 0, kWidth - 1, kHeight - 1};
  for (auto _ : state) {
    CopyGlyphMasked(all, all, dst, e, 1, src);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_TintRect(benchmark::State& state) {
  Bitmap dst = Pattern(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    TintRect(dst, Rect{0, 0, kWidth - 1, kHeight - 1}, 60, 0x102030);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_FillRectColor(benchmark::State& state) {
  Bitmap dst(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    FillRectColor(dst, Rect{0, 0, kWidth, kHeight}, 0x123456);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_CopyFrame(benchmark::State& state) {
  const Bitmap src = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    CopyFrame(dst, 0, 0, kWidth, kHeight, src, 0, 0, 4);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_GrayBitmap(benchmark::State& state) {
  const Bitmap original = Pattern(kWidth, kHeight, FormatOf(state));
  Bitmap dst = original;
  for (auto _ : state) {
    GrayBitmap(dst);
    benchmark::ClobberMemory();
  }
  Finish(state, dst);
}

void BM_ScaleBitmapSaturation(benchmark::State& state) {
  const Bitmap original = Pattern(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    state.PauseTiming();
    Bitmap dst = original;
    state.ResumeTiming();
    ScaleBitmapSaturation(dst, -30, 0xFF00FF);
    benchmark::DoNotOptimize(dst.Bits());
  }
  Finish(state, original);
}

void BM_RotateBitmapHue(benchmark::State& state) {
  const Bitmap original = Pattern(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    state.PauseTiming();
    Bitmap dst = original;
    state.ResumeTiming();
    RotateBitmapHue(dst, 40, 0xFF00FF);
    benchmark::DoNotOptimize(dst.Bits());
  }
  Finish(state, original);
}

#define PIXEL_BENCHMARK(name) BENCHMARK(name)->Arg(24)->Arg(32)->Unit(benchmark::kMicrosecond)
PIXEL_BENCHMARK(BM_Memcpy);
PIXEL_BENCHMARK(BM_CopyKeyed);
PIXEL_BENCHMARK(BM_CopyKeyedParent);
PIXEL_BENCHMARK(BM_BlendWithAlpha);
PIXEL_BENCHMARK(BM_BlendPercent);
PIXEL_BENCHMARK(BM_CopyMasked);
PIXEL_BENCHMARK(BM_CopyGlyphMasked);
PIXEL_BENCHMARK(BM_TintRect);
PIXEL_BENCHMARK(BM_FillRectColor);
PIXEL_BENCHMARK(BM_CopyFrame);
PIXEL_BENCHMARK(BM_GrayBitmap);
PIXEL_BENCHMARK(BM_ScaleBitmapSaturation);
PIXEL_BENCHMARK(BM_RotateBitmapHue);

}  // namespace
}  // namespace wakespan
