// The provider's window region: the skin's corner cuts applied to the
// window, only when they differ from the region already applied, so that
// the repaint a new region causes (which may come later under some
// systems) finds nothing to apply and only paints.
#include <windows.h>

#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/win32/frame/sSkinProvider.h"
#include "skin/win32/manager/WindowRegion.h"

namespace wakespan {

namespace {

bool SameRegion(const TsFrameRegion& a, const TsFrameRegion& b) {
  if (a.Bounds != b.Bounds || a.Cuts.size() != b.Cuts.size()) return false;
  for (size_t i = 0; i < a.Cuts.size(); ++i)
    if (a.Cuts[i] != b.Cuts[i]) return false;
  return true;
}

}  // namespace

void TsSkinProvider::ApplyFrameRegion() {
  HWND window = Window();
  const TsFrameScene scene = Scene();
  const TsFrameWindow& w = scene.Window;
  if (!window || inMenu_) return;
  if (!HasFrame(w) && !w.Minimized && !(w.Style & WS_THICKFRAME)) return;
  const int formBorder = cache_.Data.BorderIndex;
  const int titleBorder =
      manager_.IsValidSkinIndex(cache_.TitleSkinIndex) ? manager_.gd[size_t(cache_.TitleSkinIndex)].BorderIndex : -1;
  TsFrameRegion region = MakeFrameRegion(w, CollectCornerRects(manager_, formBorder, titleBorder, w.Window));
  if (haveRegion_ && SameRegion(region, appliedRegion_)) return;
  rgnChanging_ = true;
  gui::OwnedRegion made = RectRegionWithout(region.Bounds, region.Cuts);
  if (GiveRegionTo(window, made)) {
    haveRegion_ = true;
    appliedRegion_ = std::move(region);
  }
  rgnChanging_ = false;
}

void TsSkinProvider::RemoveRegion() {
  HWND window = Window();
  if (window && haveRegion_) SetWindowRgn(window, nullptr, TRUE);
  haveRegion_ = false;
  rgnChanged_ = true;
}

}  // namespace wakespan
