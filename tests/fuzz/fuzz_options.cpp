// Fuzzes the option text reader and the model build: the input is option
// text; the images it names are served from two small fixed bitmaps.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/data/acMemIni.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinManager.h"

namespace {

using namespace wakespan;

// A 24-bit BMP of 8 x 6 pixels in two colours, one of them the key colour.
ByteBuffer SmallBmp() {
  const int w = 8, h = 6, row = 24;
  ByteBuffer b(size_t(54 + row * h), 0);
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, uint32_t(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  b[26] = 1, b[28] = 24;
  for (size_t i = 54; i < b.size(); i += 3) b[i] = b[i + 2] = uint8_t(i % 2 ? 0xFF : 0x40);
  return b;
}

class AnyImage : public SkinImageSource {
 public:
  const ByteBuffer* Find(const std::string& name, ByteBuffer&) const override {
    return name.size() % 3 == 0 ? nullptr : &bmp_;  // some names are missing
  }

 private:
  ByteBuffer bmp_ = SmallBmp();
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const AnyImage images;
  const TacMemIni ini(std::string(reinterpret_cast<const char*>(data), size));
  TsSkinModel model;
  SkinBuildSettings settings;
  settings.HueOffset = size % 2 ? 40 : 0;
  settings.Saturation = size % 3 ? -30 : 0;
  try {
    BuildSkinModel(ini, images, settings, model);
  } catch (const ESkinError&) {
    return 0;
  }
  // Every lookup over the built model must stay inside its tables.
  for (int i = -1; i <= int(model.gd.size()); ++i) {
    const std::string name = model.IsValidSkinIndex(i) ? model.gd[size_t(i)].ClassName : "X";
    model.GetMaskIndex(i, name, "BORDERSMASK");
    model.GetTextureIndex(i, name, "PATTERN");
    model.GetPatternIndex(i, name, "PATTERN");
  }
  for (int i = -1; i <= int(model.ma.size()); ++i) {
    model.MaskWidthLeft(i);
    model.MaskWidthTop(i);
    model.MaskWidthRight(i);
    model.MaskWidthBottom(i);
    model.MaskSize(i);
  }
  model.GetGlobalColor();
  model.GetHighLightFontColor();
  return 0;
}
