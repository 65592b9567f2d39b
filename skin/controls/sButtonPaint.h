// A skinned push button's geometry and cache: its state, the caption's
// size and place, the glyph's place, and the whole button painted into the
// skin data's cache over the parent's background. The image-list button
// and the bitmap button add their glyphs by overriding the glyph steps.
#pragma once

#include "skin/controls/sControlView.h"
#include "skin/paint/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

class TacButtonPainter {
 public:
  explicit TacButtonPainter(const TacControlView& view) : view_(view) {}
  virtual ~TacButtonPainter() = default;
  TacButtonPainter(const TacButtonPainter&) = delete;
  TacButtonPainter& operator=(const TacButtonPainter&) = delete;

  // Pressed (BM_GETSTATE bit 0x4).
  bool Down() const { return (view_.ButtonState & kStatePushed) != 0; }
  // 2 pressed, 0 disabled, 1 focused or under the mouse, else 1 for the
  // default button and 0 for any other.
  int CurrentState() const;
  // The drawing flags of the caption: centred, tabs expanded, word-broken
  // unless the button has the multi-line style.
  uint32_t CaptionFormat() const;

  virtual Size GlyphSize() const { return Size{}; }
  // The caption's width limit: 0 without a caption; else the width less 2,
  // and less the glyph's width + 2 when there is a glyph.
  virtual int MaxCaptionWidth() const;
  // The caption measured within MaxCaptionWidth.
  Size TextRectSize() const;
  // The caption centred (one pixel wider on the left, two on the right),
  // moved by one pixel while pressed.
  virtual Rect CaptionRect() const;
  virtual void DrawGlyph(Bitmap&) const {}

  // Section and border for CurrentState over the parent's background, the
  // caption (with the focus rectangle when the section shows focus), the
  // glyph, the disabled fade; the cache is fresh afterwards.
  void PrepareCache(TsCommonData& data, const TCacheInfo& ci) const;

 protected:
  const TacControlView& view_;

 private:
  void DrawCaption(const TsCommonData& data, Bitmap& cache) const;
};

// The caption rectangle of a plain button with a text of `text` size.
Rect CenteredCaptionRect(Size window, Size text, bool down);

}  // namespace wakespan
