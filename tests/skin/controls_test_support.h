// The embedded skin loaded once for the control painting tests, and a
// recording platform that also notes the fonts text is drawn in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "paint_test_helpers.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/HostPaintPlatform.h"
#include "skin/paint/sCommonData.h"
#include "tests/skin/embedded_skin.h"

namespace wakespan::test {

// The packed embedded skin, loaded once per test program.
inline TsSkinManager& EmbeddedSkin() {
  static const std::unique_ptr<TsSkinManager> manager = LoadEmbeddedSkin();
  return *manager;
}

// Skin data of `section` in the embedded skin.
inline void UseSection(TsCommonData& data, const std::string& section) {
  data.FSkinManager = &EmbeddedSkin();
  data.SetSkinSection(section);
}

class FontRecordingPlatform : public HostPaintPlatform {
 public:
  struct FontCall {
    void* Font;
    bool Underline;
  };
  std::vector<FontCall> Fonts;
  void SelectFont(DeviceContext, FontRef font, bool underline) override { Fonts.push_back({font.Handle, underline}); }
};

// A parent bitmap of one colour.
inline Bitmap Plain(int w, int h, uint32_t color) {
  Bitmap b(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, color);
  return b;
}

}  // namespace wakespan::test
