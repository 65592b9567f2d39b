#include "skin/data/sSkinColorShift.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/pixels/sColorShift.h"

namespace wakespan {

namespace {

void ShiftImages(TsSkinModel& m, int saturationAmount, int hueDelta) {
  auto shift = [&](Bitmap& bmp) {
    if (saturationAmount != 0) ScaleBitmapSaturation(bmp, saturationAmount, kSkinKeyColor);
    if (hueDelta != 0) RotateBitmapHue(bmp, hueDelta, kSkinKeyColor);
  };
  if (m.MasterBitmap) shift(*m.MasterBitmap);
  for (TsMaskData& mask : m.ma)
    if (mask.Bmp) shift(*mask.Bmp);
}

// System colours (negative) are references, not RGB values: they stay.
template <typename Shift>
void ShiftColor(TColor& c, Shift shift) {
  if (c >= 0) c = TColor(shift(uint32_t(c)));
}

template <typename Shift>
void ShiftSectionColors(TsSkinModel& m, Shift shift) {
  for (TsGeneralData& g : m.gd) {
    for (TColor* c : {&g.Color, &g.HotColor, &g.GlowColor, &g.HotGlowColor}) ShiftColor(*c, shift);
    for (int i = 0; i < 5; ++i) {
      ShiftColor(g.FontColor[i], shift);
      ShiftColor(g.HotFontColor[i], shift);
    }
    for (TsGradArray* a : {&g.GradientArray, &g.HotGradientArray})
      for (TsGradPie& pie : *a) {
        ShiftColor(pie.Color1, shift);
        ShiftColor(pie.Color2, shift);
      }
  }
  ShiftColor(m.SkinData.Shadow1Color, shift);
  ShiftColor(m.SkinData.BorderColor, shift);
}

// Pixels of one image, saved before the hue shift and put back after it.
struct SavedImage {
  Bitmap* target;
  Rect area;
  Bitmap pixels;
};

std::vector<SavedImage> SaveHueKeptIcons(TsSkinModel& m) {
  static const char* const allIcons[] = {s_BorderIconClose,    s_SmallIconClose,    s_BorderIconMaximize,
                                         s_BorderIconMinimize, s_BorderIconNormalize, s_BorderIconHelp,
                                         s_SmallIconMaximize,  s_SmallIconMinimize, s_SmallIconNormalize};
  const int keep = m.SkinData.BIKeepHUE;
  const size_t count = keep == 0 ? 0 : keep == 1 ? std::size(allIcons) : 2;
  std::vector<SavedImage> saved;
  const int global = m.GetSkinIndex(s_GlobalInfo);
  for (size_t i = 0; i < count; ++i) {
    const int index = m.GetMaskIndex(global, s_GlobalInfo, allIcons[i]);
    if (!m.IsValidImgIndex(index)) continue;
    const TsMaskData& mask = m.ma[size_t(index)];
    Bitmap* source = mask.Bmp ? mask.Bmp.get() : m.MasterBitmap.get();
    if (!source) continue;
    Rect area = mask.Bmp ? Rect{0, 0, source->Width(), source->Height()} : mask.R;
    area.Left = std::max(area.Left, 0);
    area.Top = std::max(area.Top, 0);
    area.Right = std::min(area.Right, source->Width());
    area.Bottom = std::min(area.Bottom, source->Height());
    if (area.IsEmpty()) continue;
    Bitmap copy(area.Width(), area.Height(), source->Format());
    const size_t rowBytes = size_t(area.Width()) * size_t(source->BytesPerPixel());
    for (int y = 0; y < area.Height(); ++y)
      std::copy_n(source->Row(area.Top + y) + area.Left * source->BytesPerPixel(), rowBytes, copy.Row(y));
    saved.push_back({source, area, std::move(copy)});
  }
  return saved;
}

void Restore(const std::vector<SavedImage>& saved) {
  for (const SavedImage& s : saved) {
    const int bpp = s.target->BytesPerPixel();
    for (int y = 0; y < s.area.Height(); ++y)
      std::copy_n(s.pixels.Row(y), size_t(s.area.Width()) * size_t(bpp), s.target->Row(s.area.Top + y) + s.area.Left * bpp);
  }
}

}  // namespace

void ApplySkinColorShift(TsSkinModel& m, int hueOffset, int saturation) {
  const int amount = SaturationAmount(saturation);
  if (amount != 0) {
    ShiftImages(m, amount, 0);
    ShiftSectionColors(m, [amount](uint32_t c) { return ScaleSaturation(c, amount); });
  }
  if (hueOffset != 0) {
    const std::vector<SavedImage> kept = SaveHueKeptIcons(m);
    ShiftImages(m, 0, hueOffset);
    Restore(kept);
  }
}

}  // namespace wakespan
