// The push-button wrappers: the plain button, the button with an image
// list picture and the bitmap button with its glyph. The button keeps its
// behaviour; the wrapper paints it from the skin through its cache.
#pragma once

#include <memory>

#include "skin/controls/sButtonPaint.h"
#include "skin/controls/sGlyphButtons.h"
#include "skin/win32/controls/TacMainWnd.h"

namespace wakespan {

class TacBtnWnd : public TacMainWnd {
 public:
  TacBtnWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section);
  void acWndProc(gui::Message& m) override;

 protected:
  // The painter for this kind of button.
  virtual std::unique_ptr<TacButtonPainter> Painter(const TacControlView& view);
  void OnMouseEnter(gui::Message& m) override;
  // Paints into `dc`, or into the window's own paint DC when none is given.
  void AC_WMPaint(HDC dc);

 private:
  bool CursorInside() const;
  bool paramsSet_ = false;
};

// A push button that reports an image list shows its first image.
class TacButtonWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;

 protected:
  std::unique_ptr<TacButtonPainter> Painter(const TacControlView& view) override;

 private:
  Bitmap strip_;
  TacButtonImages images_;
};

// The bitmap button: its glyph beside the caption.
class TacBitBtnWnd : public TacBtnWnd {
 public:
  using TacBtnWnd::TacBtnWnd;

 protected:
  std::unique_ptr<TacButtonPainter> Painter(const TacControlView& view) override;

 private:
  Bitmap glyphBitmap_;
  TacBitBtnGlyph glyph_;
};

}  // namespace wakespan
