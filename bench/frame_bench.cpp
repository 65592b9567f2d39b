// Rendering the settings window's cache (357 x 389: frame, title bar with
// caption and buttons, menu bar, client background) with the embedded skin
// against memcpy of the same bytes. Target: within 4x.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameRender.h"

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

TsFrameScene SettingsWindow() {
  TsFrameScene scene;
  scene.Window.Style = kStyleCaption | kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox;
  scene.Window.Window = Size{357, 389};
  scene.Window.Client = Size{351, 389 - 3 - 18 - 19 - 3};
  scene.Window.MainMenuShown = true;
  scene.Rules = RulesFromStyle(scene.Window.Style, true, false);
  scene.Caption = u"Wakespan";
  return scene;
}

void BM_RenderFrame(benchmark::State& state) {
  TsFrameCache cache;
  cache.ReadSkin(&EmbeddedSkin());
  const TsFrameScene scene = SettingsWindow();
  AssignTitleButtonImages(cache.Buttons, EmbeddedSkin(), TsBorderStyle::Single, scene.Rules, false, false,
                          cache.Data.SkinIndex);
  for (auto _ : state) {
    cache.Data.BGChanged = true;
    RenderFrame(cache, scene);
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyCache(benchmark::State& state) {
  const Bitmap src(357, 389, PixelFormat::Bgr24);
  Bitmap dst(357, 389, PixelFormat::Bgr24);
  const size_t bytes = static_cast<size_t>(src.Stride()) * 389;
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), bytes);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyCache)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wakespan
