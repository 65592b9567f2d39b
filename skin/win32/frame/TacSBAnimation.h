// The fade of one title button's hot or pressed look: a small layered
// window above the button that shows the button's image at the fade's
// alpha, ticked every 12 ms. The level arithmetic is TsTitleFade's; this
// class only keeps the window, the image and the timer.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/gui/Timer.h"
#include "skin/frame/sTitleFade.h"
#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class TacSBAnimation {
 public:
  struct Source {
    std::function<Bitmap()> MakeImage;  // the button's look in its current state
    std::function<Rect()> Bounds;       // the button's place on the screen
    std::function<bool()> PointerOver;  // whether the pointer is still on the button
  };
  // `form` hears WM_MOUSELEAVE when the pointer left a fully shown button.
  TacSBAnimation(HWND form, Source source);
  ~TacSBAnimation();
  TacSBAnimation(const TacSBAnimation&) = delete;
  TacSBAnimation& operator=(const TacSBAnimation&) = delete;

  // Fades towards `state` in `steps` steps (AnimateTitleButton).
  void Animate(int state, int steps, bool up);

  HWND Window() const { return window_; }
  // The alpha last put on the window; 0 when none is shown.
  int Alpha() const { return alpha_; }
  // Layered-window updates since creation.
  int Updates() const { return updates_; }
  bool Running() const { return timer_.Enabled(); }

  // Whether this system can show layered windows at all.
  static bool Possible();

 private:
  void Carry(const TsFadeAction& action);
  void Tick();
  void Show(int alpha);
  void Free();

  HWND form_;
  Source source_;
  std::optional<TsTitleFade> fade_;
  gui::Timer timer_{nullptr, L"TitleButtonFade", kFadeIntervalMs, false};
  Bitmap image_;
  std::unique_ptr<class ImageDC> imageDC_;  // the image as the system takes it
  HWND window_ = nullptr;
  int alpha_ = 0;
  int updates_ = 0;
};

}  // namespace wakespan
