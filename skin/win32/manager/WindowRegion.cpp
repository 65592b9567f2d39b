#include "skin/win32/manager/WindowRegion.h"

namespace wakespan {

gui::OwnedRegion RectRegionWithout(const Rect& bounds, const std::vector<Rect>& holes) {
  gui::OwnedRegion region(CreateRectRgn(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom));
  const HRGN whole = static_cast<HRGN>(region.get());
  for (const Rect& r : holes) {
    const gui::OwnedRegion hole(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(whole, whole, static_cast<HRGN>(hole.get()), RGN_DIFF);
  }
  return region;
}

bool GiveRegionTo(HWND window, gui::OwnedRegion& region) {
  if (!region || !SetWindowRgn(window, static_cast<HRGN>(region.get()), TRUE)) return false;
  region.Detach();
  return true;
}

}  // namespace wakespan
