// One tray-menu item of the embedded skin (150 x 20, with a 16 x 16 picture,
// normal and highlighted) measured and drawn into its 24-bit bitmap over the
// menu's prepared background, against memcpy of the item bitmap's bytes.
// Text goes through the host platform, which measures but does not rasterise.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {
namespace {

constexpr Size kWindow{156, 306};
constexpr Rect kItem{3, 3, 153, 23};

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
    m->MenuSupport.IcoLineSkin = "ICOLINE";
    return m;
  }();
  return *manager;
}

// A picture with soft edges, as the image lists hold them.
Bitmap Picture() {
  Bitmap b(16, 16, PixelFormat::Bgra32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint32_t a = (x == 0 || y == 0 || x == 15 || y == 15) ? 0x80 : 0xFF;
      b.SetPixel(x, y, (a << 24) | (a / 2));
    }
  return b;
}

void BM_MenuItem(benchmark::State& state) {
  HostPaintPlatform host;
  SetPaintPlatform(&host);
  TsSkinableMenus menus(EmbeddedSkin());
  const int key = 0;
  const TacMenuInfo& menu = menus.GetMenuInfo(&key, kWindow, 0, Size{16, 16});
  const Bitmap picture = Picture();
  TsMenuItemData item;
  item.Caption = u"&Execute Action...";
  item.Picture = &picture;
  item.Selected = state.range(0) == 1;
  const TsMenuFonts fonts;
  for (auto _ : state) {
    benchmark::DoNotOptimize(menus.MeasureItem(item, fonts, false));
    Bitmap b = menus.DrawItem(item, menu, kItem, fonts);
    benchmark::DoNotOptimize(b.Bits());
    host.TextCalls.clear();
    host.DCLog.clear();
  }
  SetPaintPlatform(nullptr);
  state.SetLabel(item.Selected ? "highlighted" : "normal");
}

void BM_Memcpy(benchmark::State& state) {
  const Bitmap src(kItem.Width(), kItem.Height(), PixelFormat::Bgr24);
  Bitmap dst(kItem.Width(), kItem.Height(), PixelFormat::Bgr24);
  const size_t bytes = static_cast<size_t>(src.Stride()) * kItem.Height();
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), bytes);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_MenuItem)->Arg(0)->Arg(1);
BENCHMARK(BM_Memcpy);

}  // namespace
}  // namespace wakespan
