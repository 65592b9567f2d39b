// A skin built by hand for the painting tests: sections and images added
// straight into the manager's tables, the images drawn into a master bitmap.
#pragma once

#include <memory>
#include <string>

#include "pixel_test_helpers.h"
#include "skin/pixels/PixelOps.h"
#include "skin/data/sSkinManager.h"

namespace wakespan::test {

class HandSkin {
 public:
  explicit HandSkin(int masterWidth = 64, int masterHeight = 64) {
    manager.MasterBitmap = std::make_shared<Bitmap>(masterWidth, masterHeight, PixelFormat::Bgr24);
    manager.SkinData.Active = true;
  }
  HandSkin(const HandSkin&) = delete;
  HandSkin& operator=(const HandSkin&) = delete;

  int AddSection(const std::string& name) {
    TsGeneralData g;
    g.ClassName = name;
    manager.gd.push_back(g);
    return int(manager.gd.size()) - 1;
  }
  TsGeneralData& Section(int k) { return manager.gd.at(size_t(k)); }

  int AddMask(TsMaskData m) {
    m.Manager = &manager;
    manager.ma.push_back(std::move(m));
    return int(manager.ma.size()) - 1;
  }
  TsMaskData& Mask(int i) { return manager.ma.at(size_t(i)); }
  Bitmap& Master() { return *manager.MasterBitmap; }

  TsSkinManager manager;
};

// An entry of the master bitmap at `r`.
inline TsMaskData Entry(Rect r, int imageCount, int maskType, int drawMode = 0) {
  TsMaskData m;
  m.R = r;
  m.ImageCount = int16_t(imageCount);
  m.MaskType = int16_t(maskType);
  m.DrawMode = int16_t(drawMode);
  return m;
}

// A colour that tells the position it was drawn from: (x, y) of the image.
inline uint32_t Tag(int x, int y) { return MakeColor(x & 0xFF, y & 0xFF, 0x40); }

// Fills r of b with Tag(x - r.Left, y - r.Top).
inline void DrawTags(Bitmap& b, Rect r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) b.SetPixel(x, y, Tag(x - r.Left, y - r.Top));
}

}  // namespace wakespan::test

#include "skin/paint/HostPaintPlatform.h"

namespace wakespan::test {

// Installs a platform for one test and puts the host one back afterwards.
class PlatformScope {
 public:
  explicit PlatformScope(TacPaintPlatform& platform) { SetPaintPlatform(&platform); }
  ~PlatformScope() { SetPaintPlatform(nullptr); }
  PlatformScope(const PlatformScope&) = delete;
  PlatformScope& operator=(const PlatformScope&) = delete;
};

}  // namespace wakespan::test
