// A skinned check box or radio button: its check state, the mark's image
// and place, the caption beside it, and the whole control in the cache.
#pragma once

#include "skin/controls/sControlView.h"
#include "skin/paint/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"

namespace wakespan {

class TsSkinManager;

// The size a check mark gets when the skin has no image for it.
inline constexpr int kDefaultMarkSize = 16;

class TacCheckBoxPainter {
 public:
  explicit TacCheckBoxPainter(const TacControlView& view) : view_(view) {}

  // 2 grayed, 1 checked, 0 unchecked.
  int State() const;
  // The mark's state image: 2 pressed, 1 focused or under the mouse, else 0.
  int CtlState() const;
  bool IsRadio() const;
  // The "GLOBALINFO" image of the mark for a check state: radio or box
  // images, "BOXGRAYED" for both in the grayed state; -1 when missing.
  int GlyphMaskIndex(const TsSkinManager& m, int state) const;
  // The mark's rectangle for image `maskIndex`: vertically centred, at the
  // left edge or, with the right-button style, the right edge.
  Rect SkinCheckRect(const TsSkinManager& m, int maskIndex) const;
  // SkinCheckRect of the checked image, or 16 x 16 at the origin without one.
  Rect CheckRect(const TsSkinManager& m) const;
  // Where the caption goes beside a mark of `markWidth`, and the text drawn
  // there with its focus rectangle.
  Rect TextRect(int markWidth) const;
  void DrawCheckText(const TsCommonData& data, Bitmap& cache, int markWidth) const;
  // The section for the hot state over the parent's background, the
  // caption, the mark and, when disabled, the fade.
  void PrepareCache(TsCommonData& data, const TCacheInfo& ci) const;

 private:
  uint32_t TextFormat() const;
  bool MultiLine() const { return (view_.Style & kStyleMultiLine) != 0; }
  const TacControlView& view_;
};

// One state of a mark image: the image's own bitmap split 3 x 2, else one
// state's width and one row's height (an image count of 0 counting as 1).
Size SkinGlyphSize(const TsSkinManager& m, int maskIndex);

}  // namespace wakespan
