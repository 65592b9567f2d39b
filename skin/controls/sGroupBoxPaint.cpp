#include "skin/controls/sGroupBoxPaint.h"

#include <algorithm>

#include "skin/controls/sControlCache.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"

namespace wakespan {
namespace {

constexpr uint32_t kCaptionFormat = textformat::kCenter | textformat::kVCenter | textformat::kSingleLine;

// The section from row `top` down, painted as an item of its own so that
// its background and its corners both meet the parent pixels behind them.
void PaintFrame(const TsCommonData& data, TCacheInfo ci, Bitmap& cache, int top) {
  const int height = cache.Height() - top;
  if (height <= 0 || !Bitmap::IsAcceptableSize(cache.Width(), height)) return;
  Bitmap frame(cache.Width(), height, PixelFormat::Bgr24);
  ci.Y += top;
  PaintSection(data, ci, true, 0, Rect{0, 0, frame.Width(), height}, Point{}, &frame, true);
  CopyBlock(cache, 0, top, frame.Width(), height, frame, 0, 0);
}

}  // namespace

Size TacGroupBoxPainter::TextSize() const {
  if (view_.Caption.empty()) return Size{};
  return PaintPlatform().MeasureText(view_.Font, view_.Caption, kCaptionFormat | textformat::kCalcRect, 0);
}

Rect TacGroupBoxPainter::CaptionRect() const {
  const Size t = TextSize();
  const int width = view_.WindowSize.Width;
  const int left = view_.RightToLeft ? width - t.Width - 14 : 6;
  return Rect{left, 0, std::min(left + t.Width + 8, width - 1), std::max(4, t.Height) + 2};
}

void TacGroupBoxPainter::PrepareCache(TsCommonData& data, const TCacheInfo& ci) const {
  Bitmap* cache = SizeCache(data, view_.WindowSize);
  if (cache == nullptr) return;
  const Rect caption = CaptionRect();
  const int width = cache->Width(), height = cache->Height();
  CopyParentBackground(*cache, Rect{0, 0, width, std::min(caption.Bottom, height)}, ci);
  PaintFrame(data, ci, *cache, caption.Bottom / 2);
  if (!view_.Caption.empty()) {
    CopyParentBackground(*cache, Intersect(caption, Rect{0, 0, width, height}), ci);
    BitmapCanvas canvas(*cache, Rect{0, 0, width, height}, view_.Font);
    WriteSkinText(data, canvas.Dc(), view_.Caption, view_.Enabled, false, kCaptionFormat, caption, view_.FontColor,
                  TacTextSource{view_.Font});
  }
  data.BGChanged = false;
}

}  // namespace wakespan
