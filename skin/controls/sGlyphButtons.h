// The buttons with pictures: a push button showing an image of its image
// list (chosen by state) and the bitmap button with its glyph beside the
// caption.
#pragma once

#include "skin/controls/sButtonPaint.h"
#include "skin/pixels/Bitmap.h"

namespace wakespan {

// A push button's image list: `Images` holds Count images of ImageSize side
// by side; the special indexes count only when they lie within the list.
struct TacButtonImages {
  const Bitmap* Images = nullptr;
  Size ImageSize;
  int Count = 0;
  int ImageIndex = -1, DisabledImageIndex = -1, PressedImageIndex = -1, SelectedImageIndex = -1,
      HotImageIndex = -1;
  Rect Margins;       // left, top, right, bottom
  int Alignment = 0;  // 0 left, 1 right, 2 top, 3 bottom, 4 centre
};

class TacImageButtonPainter : public TacButtonPainter {
 public:
  TacImageButtonPainter(const TacControlView& view, const TacButtonImages& images)
      : TacButtonPainter(view), images_(images) {}

  // An image list and an ImageIndex within it.
  bool HasImage() const;
  // The image for the button's state: disabled, pressed, focused, hot, else
  // ImageIndex.
  int StateImageIndex() const;
  Size GlyphSize() const override;
  Rect GlyphRect() const;
  Rect CaptionRect() const override;
  void DrawGlyph(Bitmap& cache) const override;

 private:
  const TacButtonImages& images_;
};

// A bitmap button's glyph: a strip of NumGlyphs images (normal, disabled,
// pressed) or, with 32 bits per pixel and one image, a picture blended by
// its alpha.
struct TacBitBtnGlyph {
  const Bitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  int Layout = 0;  // glyph 0 left, 1 right, 2 top, 3 bottom of the caption
  int Spacing = 4;
  int Margin = -1;  // below 0: the glyph and caption are centred together
};

class TacBitBtnPainter : public TacButtonPainter {
 public:
  TacBitBtnPainter(const TacControlView& view, const TacBitBtnGlyph& glyph) : TacButtonPainter(view), glyph_(glyph) {}

  Size GlyphSize() const override;
  Rect GlyphRect() const;
  Rect CaptionRect() const override;
  int MaxCaptionWidth() const override;
  void DrawGlyph(Bitmap& cache) const override;

 private:
  // The gap between glyph and caption: Spacing when there are both.
  int Gap(Size glyph, Size text) const;
  Rect GlyphRectUnpressed() const;
  const TacBitBtnGlyph& glyph_;
};

}  // namespace wakespan
