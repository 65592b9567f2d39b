// A skinned group box: the caption's place and the frame drawn from the
// "GROUPBOX" section below it, the frame line stopping under the caption.
#pragma once

#include "skin/controls/sControlView.h"
#include "skin/paint/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

class TacGroupBoxPainter {
 public:
  explicit TacGroupBoxPainter(const TacControlView& view) : view_(view) {}

  // Left 6 (right-to-left: width - text width - 14), top 0, bottom the text
  // height (at least 4) + 2, right text width + 8 further (at most width - 1).
  Rect CaptionRect() const;
  int CaptionHeight() const { return CaptionRect().Bottom; }
  void PrepareCache(TsCommonData& data, const TCacheInfo& ci) const;

 private:
  Size TextSize() const;
  const TacControlView& view_;
};

}  // namespace wakespan
