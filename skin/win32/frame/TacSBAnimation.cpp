#include "skin/win32/frame/TacSBAnimation.h"

#include <cstring>

#include "platform/gui/Handles.h"
#include "skin/win32/frame/OverlayClass.h"

namespace wakespan {

namespace {

constexpr wchar_t kFadeClass[] = L"WakespanTitleButtonFade";
// Never activated, never on the taskbar, and the mouse goes through to the form.
constexpr DWORD kFadeExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED;

using UpdateLayeredProc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

UpdateLayeredProc UpdateLayeredFunction() {
  static const UpdateLayeredProc proc = [] {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<UpdateLayeredProc>(
                      reinterpret_cast<void*>(GetProcAddress(user, "UpdateLayeredWindow")))
                : nullptr;
  }();
  return proc;
}

LRESULT CALLBACK FadeProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

// A 32-bit DIB section holding `image`, selected into its own memory DC.
class ImageDC {
 public:
  explicit ImageDC(const Bitmap& image) : dc_(CreateCompatibleDC(nullptr)) {
    const BITMAPINFO info = gui::TopDownDibInfo(image.Width(), image.Height());
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) return;
    auto* rows = static_cast<uint8_t*>(bits);
    for (int y = 0; y < image.Height(); ++y)
      std::memcpy(rows + size_t(y) * size_t(image.Width()) * 4, image.Row(y), size_t(image.Width()) * 4);
    select_.emplace(dc_.get(), bitmap_.get());
  }
  HDC get() const { return select_ ? dc_.get() : nullptr; }

 private:
  gui::OwnedMemoryDC dc_;
  gui::OwnedBitmap bitmap_;
  std::optional<gui::ScopedSelect> select_;
};

bool TacSBAnimation::Possible() { return UpdateLayeredFunction() != nullptr; }

TacSBAnimation::TacSBAnimation(HWND form, Source source) : form_(form), source_(std::move(source)) {
  timer_.OnTimer = [this] { Tick(); };
}

TacSBAnimation::~TacSBAnimation() {
  timer_.SetEnabled(false);
  Free();
}

void TacSBAnimation::Animate(int state, int steps, bool up) {
  Carry(AnimateTitleButton(fade_, state, steps, up));
}

void TacSBAnimation::Tick() {
  if (fade_) Carry(fade_->OnAnimTimer());
}

void TacSBAnimation::Carry(const TsFadeAction& action) {
  if (action.RemakeImage || (action.Alpha && image_.IsEmpty())) {
    image_ = source_.MakeImage();
    imageDC_ = std::make_unique<ImageDC>(image_);
  }
  if (action.Alpha) Show(*action.Alpha);
  if (action.CheckMouseLeave && !source_.PointerOver()) {
    fade_->StopTimer();
    timer_.SetEnabled(false);
    // The provider resets the hot code, which starts the fade-out.
    SendMessageW(form_, WM_MOUSELEAVE, 0, 0);
  }
  if (action.Free) Free();
  timer_.SetEnabled(fade_ && fade_->TimerEnabled());
}

// The window takes the button's place just above the form and the image at `alpha`.
void TacSBAnimation::Show(int alpha) {
  const UpdateLayeredProc update = UpdateLayeredFunction();
  if (!update || image_.IsEmpty() || !imageDC_) return;
  const Rect bounds = FitBoundsToImage(source_.Bounds(), Size{image_.Width(), image_.Height()});
  if (!window_) {
    RegisterOverlayClass(kFadeClass, &FadeProc);
    window_ = CreateWindowExW(kFadeExStyle, kFadeClass, L"", WS_POPUP, bounds.Left, bounds.Top, bounds.Width(),
                              bounds.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) return;
  }
  const gui::WindowDC screen(nullptr);
  POINT position{bounds.Left, bounds.Top}, origin{0, 0};
  SIZE size{image_.Width(), image_.Height()};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(alpha), AC_SRC_ALPHA};
  if (imageDC_->get() &&
      update(window_, screen.get(), &position, &size, imageDC_->get(), &origin, 0, &blend, ULW_ALPHA)) {
    alpha_ = alpha;
    ++updates_;
  }
  // Placed just above the form once: moving it in the z-order on every
  // step would make the system repaint the form under it each time.
  if (!IsWindowVisible(window_)) {
    HWND above = GetWindow(form_, GW_HWNDPREV);
    SetWindowPos(window_, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
  }
}

void TacSBAnimation::Free() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
  imageDC_.reset();
  image_ = Bitmap();
  alpha_ = 0;
}

}  // namespace wakespan
