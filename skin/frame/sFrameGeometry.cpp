#include "skin/frame/sFrameGeometry.h"

#include <algorithm>

namespace wakespan {

namespace {

bool HasStyle(const TsFrameWindow& w, uint32_t bits) { return (w.Style & bits) == bits; }

bool IsToolWindow(TsBorderStyle border) {
  return border == TsBorderStyle::ToolWindow || border == TsBorderStyle::SizeToolWin;
}

}  // namespace

int FrameWidth(const TsFrameWindow& w) {
  if (HasStyle(w, kStyleThickFrame)) return w.Metrics.FrameWidth;
  if (HasStyle(w, kStyleBorder)) return w.Metrics.DialogFrameWidth;
  return 0;
}

bool HasFrame(const TsFrameWindow& w) { return w.Border != TsBorderStyle::None || HasStyle(w, kStyleChild); }

int BorderWidth(const TsFrameWindow& w) { return FrameWidth(w) + w.FormBorderWidth; }

int CaptionHeight(const TsFrameWindow& w) {
  if (!w.Minimized && !(HasFrame(w) && HasStyle(w, kStyleCaption))) return 0;
  if (IsToolWindow(w.Border) && !w.Minimized) return w.Metrics.SmallCaptionHeight;
  return w.Metrics.CaptionHeight;
}

int MenuHeight(const TsFrameWindow& w) {
  return w.MainMenuShown && w.Border != TsBorderStyle::Dialog ? w.Metrics.MenuHeight - 1 : 0;
}

int LinesCount(const TsFrameWindow& w) {
  if (MenuHeight(w) == 0) return 0;
  if (!w.HasFirstMenuItemRect) return 1;
  const int b = w.Position.Y + w.Window.Height - w.Client.Height - BorderWidth(w);
  const int row = w.Metrics.MenuHeight - 1;
  if (w.FirstMenuItemBottom >= b || row <= 0) return 1;
  return (b - w.FirstMenuItemBottom) / row + 1;
}

int CaptionWidth(const TsFrameWindow& w) { return w.Window.Width; }

int OffsetX(const TsFrameWindow& w) { return (w.Window.Width - w.Client.Width) / 2; }

int OffsetY(const TsFrameWindow& w) {
  return w.Window.Height - w.Client.Height - (HasStyle(w, kStyleBorder) ? BorderWidth(w) : 0);
}

int HeaderHeight(const TsFrameWindow& w) {
  const int below = CaptionHeight(w) > 0 ? BorderWidth(w) : (HasStyle(w, kStyleBorder) ? BorderWidth(w) : 0);
  const int header = std::max(0, w.Window.Height - w.Client.Height - below);
  return header + (w.Minimized ? FrameWidth(w) : 0);
}

int FrameCacheHeight(const TsFrameWindow& w) {
  return w.Minimized ? FrameWidth(w) + CaptionHeight(w) + 2 : w.Window.Height;
}

std::array<Rect, 4> FrameStrips(const TsFrameWindow& w, Size cache) {
  const int W = cache.Width, H = cache.Height;
  const int y = HasStyle(w, kStyleCaption) ? HeaderHeight(w) : BorderWidth(w);
  const int b = BorderWidth(w);
  return {Rect{0, 0, W, y}, Rect{0, y, b, H}, Rect{b, H - b, W, H}, Rect{W - b, y, W, H}};
}

Point GripPosition(Size cache, Size grip, int frameWidth) {
  return Point{cache.Width - grip.Width - frameWidth - 1, cache.Height - grip.Height - frameWidth - 1};
}

}  // namespace wakespan
