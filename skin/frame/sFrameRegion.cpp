#include "skin/frame/sFrameRegion.h"

#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/data/sSkinProps.h"

namespace wakespan {

namespace {

// Runs of key colour in columns [first, last) of one source row, placed at
// window row y with window x = column + shift.
void AddRuns(const Bitmap& src, int sx0, int sy, int first, int last, int y, int shift, std::vector<Rect>& out) {
  int runStart = -1;
  for (int col = first; col <= last; ++col) {
    const bool key = col < last && src.Pixel(sx0 + col, sy) == kSkinKeyColor;
    if (key && runStart < 0) runStart = col;
    if (!key && runStart >= 0) {
      out.push_back(Rect{runStart + shift, y, col + shift, y + 1});
      runStart = -1;
    }
  }
}

// Rows `rows` of entry e starting at source row `start`, laid at window row
// `windowTop` onwards.
void ScanCornerRows(const TsSkinModel& m, const TsMaskData& e, int start, int rows, int windowTop, int W,
                    std::vector<Rect>& out) {
  const Bitmap* src = e.Bmp ? e.Bmp.get() : m.MasterBitmap.get();
  const int stateWidth = StateWidth(e);
  if (src == nullptr || rows <= 0 || stateWidth <= 0) return;
  // Corners that reach outside the bitmap are not scanned at all.
  if (start < 0 || e.R.Left < 0 || start + rows > src->Height() || e.R.Left + stateWidth > src->Width()) return;
  const int wl = e.WL < stateWidth ? e.WL : stateWidth;
  const int wr = e.WR < stateWidth ? e.WR : stateWidth;
  for (int i = 0; i < rows; ++i) {
    AddRuns(*src, e.R.Left, start + i, 0, wl, windowTop + i, 0, out);
    AddRuns(*src, e.R.Left, start + i, stateWidth - wr, stateWidth, windowTop + i, W - stateWidth, out);
  }
}

void ScanTop(const TsSkinModel& m, const TsMaskData& e, Size window, std::vector<Rect>& out) {
  ScanCornerRows(m, e, e.R.Top, e.WT, 0, window.Width, out);
}

void ScanBottom(const TsSkinModel& m, const TsMaskData& e, Size window, std::vector<Rect>& out) {
  const int start = e.R.Top + e.R.Height() / (e.MaskType + 1) - e.WB;
  ScanCornerRows(m, e, start, e.WB, window.Height - e.WB, window.Width, out);
}

}  // namespace

std::vector<Rect> CollectCornerRects(const TsSkinModel& m, int formBorderIndex, int titleBorderIndex, Size window) {
  std::vector<Rect> cuts;
  if (m.IsValidImgIndex(formBorderIndex)) {
    const TsMaskData& e = m.ma[size_t(formBorderIndex)];
    ScanTop(m, e, window, cuts);
    ScanBottom(m, e, window, cuts);
  }
  if (m.IsValidImgIndex(titleBorderIndex)) ScanTop(m, m.ma[size_t(titleBorderIndex)], window, cuts);
  return cuts;
}

TsFrameRegion MakeFrameRegion(const TsFrameWindow& w, std::vector<Rect> cuts) {
  const int W = w.Window.Width, H = w.Window.Height;
  if (w.Maximized && !w.MaxSizeConstrained) {
    const int F = FrameWidth(w);
    return TsFrameRegion{Rect{F, F, W - F, H - F}, {}};
  }
  return TsFrameRegion{Rect{0, 0, W, H}, std::move(cuts)};
}

}  // namespace wakespan
