// Painting sections of the embedded skin into 24-bit item bitmaps against
// memcpy of the same bytes: "FORM" 357 x 389, "BUTTON" 75 x 25 and
// "MENUITEM" 150 x 22 (masked border, half transparent), all in state 1
// over a ready parent, filling.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sSectionPaint.h"

namespace wakespan {
namespace {

ByteBuffer ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TsSkinManager& EmbeddedSkin() {
  static TsSkinManager* manager = [] {
    const auto dir = std::filesystem::path(__FILE__).parent_path() / ".." / "resources" / "skin" / "WMP11";
    const ByteBuffer packed = PackSkinMembers({{"Options.dat", ReadFile(dir / "Options.dat")},
                                               {"ButtonHuge24.bmp", ReadFile(dir / "ButtonHuge24.bmp")},
                                               {"Master.bmp", ReadFile(dir / "Master.bmp")}});
    auto* m = new TsSkinManager;
    m->LoadPackedData(packed.data(), packed.size());
    return m;
  }();
  return *manager;
}

struct Item {
  const char* section;
  int width, height;
};
constexpr Item kItems[] = {{"FORM", 357, 389}, {"BUTTON", 75, 25}, {"MENUITEM", 150, 22}};

// The form's own painting, as the parent behind every item.
const Bitmap& ParentCache() {
  static const Bitmap parent = [] {
    TsSkinManager& m = EmbeddedSkin();
    Bitmap b(357, 389, PixelFormat::Bgr24);
    TCacheInfo none;
    none.FillColor = 0xFF00FF;
    PaintSection(m.GetSkinIndex("FORM"), "FORM", none, true, 0, Rect{0, 0, 357, 389}, Point{}, &b, &m);
    return b;
  }();
  return parent;
}

void BM_PaintSection(benchmark::State& state) {
  const Item& item = kItems[state.range(0)];
  TsSkinManager& m = EmbeddedSkin();
  const int k = m.GetSkinIndex(item.section);
  Bitmap b(item.width, item.height, PixelFormat::Bgr24);
  const TCacheInfo parent = CacheInfoOfBitmap(&ParentCache(), 0, 0);
  for (auto _ : state) {
    PaintSection(k, item.section, parent, true, 1, Rect{0, 0, item.width, item.height}, Point{0, 0}, &b, &m);
    benchmark::ClobberMemory();
  }
  state.SetLabel(item.section);
}

void BM_Memcpy(benchmark::State& state) {
  const Item& item = kItems[state.range(0)];
  const Bitmap src(item.width, item.height, PixelFormat::Bgr24);
  Bitmap dst(item.width, item.height, PixelFormat::Bgr24);
  const size_t bytes = static_cast<size_t>(src.Stride()) * item.height;
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetLabel(item.section);
}

BENCHMARK(BM_PaintSection)->DenseRange(0, 2)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Memcpy)->DenseRange(0, 2)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace wakespan
