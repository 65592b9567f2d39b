// Loading the embedded skin (unpack and model build) against plain
// inflation of the same container's members, and the model build alone.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/acMemIni.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinManager.h"

namespace {

using namespace wakespan;

ByteBuffer ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The embedded skin packed the way the build packs it.
const ByteBuffer& EmbeddedSkin() {
  static const ByteBuffer packed = [] {
    const auto dir = std::filesystem::path(__FILE__).parent_path() / ".." / "resources" / "skin" / "WMP11";
    return PackSkinMembers({{"Options.dat", ReadFile(dir / "Options.dat")},
                            {"ButtonHuge24.bmp", ReadFile(dir / "ButtonHuge24.bmp")},
                            {"Master.bmp", ReadFile(dir / "Master.bmp")}});
  }();
  return packed;
}

void BM_SkinLoad(benchmark::State& state) {
  const ByteBuffer& packed = EmbeddedSkin();
  TsSkinManager manager;
  for (auto _ : state) {
    manager.LoadPackedData(packed.data(), packed.size());
    benchmark::DoNotOptimize(manager.ma.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(packed.size()));
}
BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMicrosecond);

// The model build alone, members already unpacked and options parsed: the
// part of a load beside inflation that the loader itself decides.
void BM_ModelBuildOnly(benchmark::State& state) {
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(EmbeddedSkin());
  UnpackSkinData(reader);
  const TacMemIni options(std::string_view(reinterpret_cast<const char*>(reader->Options->data()),
                                           reader->Options->size()));
  const PackedImageSource images(*reader);
  for (auto _ : state) {
    TsSkinModel model;
    BuildSkinModel(options, images, SkinBuildSettings{}, model);
    benchmark::DoNotOptimize(model.ma.data());
  }
}
BENCHMARK(BM_ModelBuildOnly)->Unit(benchmark::kMicrosecond);

// Each member's stream inflated into a fresh buffer of its size, with the
// member boundaries known in advance: the least any load must do.
void BM_InflateMembersOnly(benchmark::State& state) {
  const ByteBuffer& packed = EmbeddedSkin();
  struct Member {
    size_t offset;
    size_t size;
  };
  std::vector<Member> members;
  {
    auto size32 = [&packed](size_t at) {
      return size_t(packed[at]) | size_t(packed[at + 1]) << 8 | size_t(packed[at + 2]) << 16 | size_t(packed[at + 3]) << 24;
    };
    size_t pos = 8;
    for (size_t i = 0; i < size32(4); ++i) {
      const size_t nameLength = size32(pos);
      const size_t size = size32(pos + 4 + nameLength);
      pos += 8 + nameLength;
      members.push_back({pos, size});
      z_stream zs{};
      inflateInit(&zs);
      ByteBuffer out(size);
      zs.next_in = const_cast<Bytef*>(packed.data() + pos);
      zs.avail_in = uInt(packed.size() - pos);
      zs.next_out = out.data();
      zs.avail_out = uInt(size);
      inflate(&zs, Z_FINISH);
      pos += zs.total_in;
      inflateEnd(&zs);
    }
  }
  for (auto _ : state) {
    for (const Member& m : members) {
      ByteBuffer out(m.size);
      z_stream zs{};
      inflateInit(&zs);
      zs.next_in = const_cast<Bytef*>(packed.data() + m.offset);
      zs.avail_in = uInt(packed.size() - m.offset);
      zs.next_out = out.data();
      zs.avail_out = uInt(m.size);
      inflate(&zs, Z_FINISH);
      inflateEnd(&zs);
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(packed.size()));
}
BENCHMARK(BM_InflateMembersOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
