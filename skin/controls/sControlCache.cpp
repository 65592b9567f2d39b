#include "skin/controls/sControlCache.h"

#include <cmath>

#include "skin/data/sSysColors.h"
#include "skin/pixels/PixelOps.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

constexpr uint32_t kKeyColor = 0xFF00FF;
constexpr double kOwnShare = 0.4;

uint8_t Mixed(uint8_t own, uint8_t parent) {
  return uint8_t(std::lround(kOwnShare * own + (1.0 - kOwnShare) * parent));
}

}  // namespace

Bitmap* SizeCache(TsCommonData& data, Size size) {
  Bitmap* cache = data.FCacheBmp.get();
  if (cache && cache->Width() == size.Width && cache->Height() == size.Height &&
      cache->Format() == PixelFormat::Bgr24)
    return cache;
  if (!Bitmap::IsAcceptableSize(size.Width, size.Height)) {
    data.FCacheBmp.reset();
    return nullptr;
  }
  data.FCacheBmp = std::make_unique<Bitmap>(size.Width, size.Height, PixelFormat::Bgr24);
  data.BGChanged = true;
  return data.FCacheBmp.get();
}

void CopyParentBackground(Bitmap& B, Rect R, const TCacheInfo& ci) {
  if (R.IsEmpty()) return;
  if (ci.Ready && ci.Bmp != nullptr) {
    CopyBlock(B, R.Left, R.Top, R.Width(), R.Height(), *ci.Bmp, ci.X + R.Left, ci.Y + R.Top);
  } else if (ci.FillColor != kKeyColor) {
    FillRectColor(B, R, ci.FillColor);
  }
}

void FadeDisabled(Bitmap& B, const TCacheInfo& ci) {
  if (B.IsEmpty()) return;
  if (ci.Ready && ci.Bmp != nullptr) {
    BlendPercent(B, 0, 0, 0xFF000000u, kOwnShare, Rect{ci.X, ci.Y, ci.X + B.Width() - 1, ci.Y + B.Height() - 1},
                 *ci.Bmp);
    return;
  }
  const uint32_t fill = uint32_t(ColorToRGB(TColor(ci.FillColor)));
  const int bytes = B.BytesPerPixel();
  for (int y = 0; y < B.Height(); ++y) {
    uint8_t* p = B.Row(y);
    for (int x = 0; x < B.Width(); ++x, p += bytes) {
      const uint32_t own = ReadColor24(p);
      if (own == kKeyColor) continue;
      WriteColor24(p, MakeColor(Mixed(RedOf(own), RedOf(fill)), Mixed(GreenOf(own), GreenOf(fill)),
                                Mixed(BlueOf(own), BlueOf(fill))));
    }
  }
}

}  // namespace wakespan
