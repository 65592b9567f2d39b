#include "skin/controls/sGlyphButtons.h"

#include <algorithm>

#include "skin/controls/sGlyphDraw.h"

namespace wakespan {
namespace {

Rect At(Point p, Size s) { return Rect{p.X, p.Y, p.X + s.Width, p.Y + s.Height}; }
Rect Moved(Rect r, int d) { return Rect{r.Left + d, r.Top + d, r.Right + d, r.Bottom + d}; }

enum Alignment { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };

}  // namespace

bool TacImageButtonPainter::HasImage() const {
  return images_.Images != nullptr && images_.ImageIndex >= 0 && images_.ImageIndex < images_.Count;
}

int TacImageButtonPainter::StateImageIndex() const {
  const auto within = [&](int index) { return index >= 0 && index < images_.Count ? index : images_.ImageIndex; };
  if (!view_.Enabled) return within(images_.DisabledImageIndex);
  if (Down()) return within(images_.PressedImageIndex);
  if (view_.Focused) return within(images_.SelectedImageIndex);
  if (CurrentState() == 1) return within(images_.HotImageIndex);
  return images_.ImageIndex;
}

Size TacImageButtonPainter::GlyphSize() const { return HasImage() ? images_.ImageSize : Size{}; }

Rect TacImageButtonPainter::GlyphRect() const {
  const Size g = GlyphSize();
  const int W = view_.WindowSize.Width, H = view_.WindowSize.Height;
  const Rect& m = images_.Margins;
  Point p{(W - g.Width) / 2, (H - g.Height) / 2};
  switch (images_.Alignment) {
    case kLeft: p.X = m.Left + 3; break;
    case kRight: p.X = W - m.Right - 3 - g.Width; break;
    case kTop: p.Y = m.Top + 3; break;
    case kBottom: p.Y = H - m.Bottom - 3 - g.Height; break;
    default: break;
  }
  return Moved(At(p, g), Down() ? 1 : 0);
}

Rect TacImageButtonPainter::CaptionRect() const {
  if (!HasImage()) return TacButtonPainter::CaptionRect();
  const Size t = TextRectSize(), g = GlyphSize();
  const int W = view_.WindowSize.Width, H = view_.WindowSize.Height;
  const Rect& m = images_.Margins;
  Rect r = CenteredCaptionRect(view_.WindowSize, t, false);
  const auto across = [&](int h) { r.Left = h - 1, r.Right = h + t.Width + 2; };
  const auto down = [&](int v) { r.Top = v, r.Bottom = v + t.Height; };
  switch (images_.Alignment) {
    case kLeft: {
      const int margin = m.Left + g.Width + 3;
      across(margin + (W - margin - t.Width) / 2);
      break;
    }
    case kRight: across((W - (m.Right + g.Width + 3) - t.Width) / 2); break;
    case kTop: {
      const int margin = m.Top + g.Height + 3;
      down(margin + (H - margin - t.Height) / 2);
      break;
    }
    case kBottom: down((H - (m.Bottom + g.Height + 3) - t.Height) / 2); break;
    default: break;
  }
  return Moved(r, Down() ? 1 : 0);
}

void TacImageButtonPainter::DrawGlyph(Bitmap& cache) const {
  if (!HasImage()) return;
  const Rect at = GlyphRect();
  const Size g = images_.ImageSize;
  const int index = StateImageIndex();
  DrawButtonPicture(cache, Point{at.Left, at.Top}, *images_.Images,
                    Rect{index * g.Width, 0, (index + 1) * g.Width, g.Height});
}

Size TacBitBtnPainter::GlyphSize() const {
  if (glyph_.Glyph == nullptr || glyph_.Glyph->IsEmpty()) return Size{};
  return Size{glyph_.Glyph->Width() / std::max(1, glyph_.NumGlyphs), glyph_.Glyph->Height()};
}

int TacBitBtnPainter::Gap(Size glyph, Size text) const {
  return glyph.Width > 0 && !view_.Caption.empty() && text.Width > 0 ? glyph_.Spacing : 0;
}

Rect TacBitBtnPainter::GlyphRectUnpressed() const {
  const Size g = GlyphSize(), t = TextRectSize();
  const int cx = view_.WindowSize.Width, cy = view_.WindowSize.Height, s = Gap(g, t);
  if (view_.PlainWindow) {
    const Rect caption = CenteredCaptionRect(view_.WindowSize, t, false);
    return At(Point{caption.Right + 2, (cy - g.Height) / 2}, g);
  }
  switch (glyph_.Layout) {
    case kRight: return At(Point{(cx + s + t.Width - g.Width) / 2, (cy - g.Height) / 2}, g);
    case kTop: return At(Point{(cx - g.Width) / 2 + 1, (cy - g.Height - t.Height - s) / 2}, g);
    case kBottom: return At(Point{(cx - g.Width) / 2 + 1, cy - (cy - g.Height - t.Height - s) / 2 - g.Height}, g);
    default: return At(Point{(cx - g.Width - t.Width - s) / 2, (cy - g.Height) / 2}, g);
  }
}

Rect TacBitBtnPainter::GlyphRect() const {
  const Rect r = GlyphRectUnpressed();
  if (!Down()) return r;
  // A plain window's glyph only moves down while pressed.
  return view_.PlainWindow ? Rect{r.Left, r.Top + 1, r.Right, r.Bottom + 1} : Moved(r, 1);
}

Rect TacBitBtnPainter::CaptionRect() const {
  const Size g = GlyphSize(), t = TextRectSize();
  if (view_.PlainWindow) {
    const int dx = g.Width / 2 + 1;
    Rect r = CenteredCaptionRect(view_.WindowSize, t, Down());
    return Rect{r.Left + dx, r.Top, r.Right + dx, r.Bottom};
  }
  // The caption keeps to the glyph: the two are laid out as one block, the
  // gap between them.
  const Rect glyph = GlyphRectUnpressed();
  const int s = Gap(g, t), cx = view_.WindowSize.Width, cy = view_.WindowSize.Height;
  Point p{(cx - t.Width) / 2, (cy - t.Height) / 2};
  if (g.Width > 0) {
    switch (glyph_.Layout) {
      case kRight: p.X = glyph.Left - s - t.Width; break;
      case kTop: p.Y = glyph.Bottom + s; break;
      case kBottom: p.Y = glyph.Top - s - t.Height; break;
      default: p.X = glyph.Right + s; break;
    }
  }
  return Moved(At(p, t), Down() ? 1 : 0);
}

int TacBitBtnPainter::MaxCaptionWidth() const {
  if (view_.Caption.empty()) return 0;
  const Size g = GlyphSize();
  int width = view_.WindowSize.Width - 2 * std::max(0, glyph_.Margin);
  if (g.Width > 0 && (glyph_.Layout == kLeft || glyph_.Layout == kRight)) width -= g.Width + glyph_.Spacing;
  return std::max(0, width);
}

void TacBitBtnPainter::DrawGlyph(Bitmap& cache) const {
  const Size g = GlyphSize();
  if (g.Width <= 0 || g.Height <= 0) return;
  const Rect at = GlyphRect();
  // Strip images: normal, disabled, pressed; a missing one is the normal.
  const int wanted = !view_.Enabled ? 1 : Down() ? 2 : 0;
  const int image = wanted < glyph_.NumGlyphs ? wanted : 0;
  DrawButtonPicture(cache, Point{at.Left, at.Top}, *glyph_.Glyph, Rect{image * g.Width, 0, (image + 1) * g.Width, g.Height});
}

}  // namespace wakespan
