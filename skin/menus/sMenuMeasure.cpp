// Sizes of popup and menu-bar items.
#include <algorithm>

#include "skin/menus/sMenuFormats.h"
#include "skin/menus/sSkinMenus.h"
#include "skin/pixels/RoundHalfEven.h"

namespace wakespan {

namespace {

int TextWidth(FontRef font, std::u16string_view text) {
  if (text.empty()) return 0;
  return PaintPlatform().MeasureText(font, text, menuformat::kMeasure, 0).Width;
}

// A line of text is a quarter taller than a "W" of the font.
int LineHeight(FontRef font) {
  const int w = PaintPlatform().MeasureText(font, u"W", menuformat::kMeasure, 0).Height;
  return static_cast<int>(RoundHalfEven(w * 1.25));
}

std::u16string WithoutAmpersands(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text)
    if (c != u'&') out += c;
  return out;
}

// Headings are measured with their hyphens, normal items with the shortcut.
std::u16string TextToMeasure(const TsMenuItemData& item) {
  switch (item.Kind) {
    case TsMenuItemType::smDivider: return {};
    case TsMenuItemType::smCaption: return u"-" + item.Caption + u"-";
    default: return item.Caption + item.ShortCut;
  }
}

}  // namespace

Size TsSkinableMenus::MeasureItem(const TsMenuItemData& item, const TsMenuFonts& fonts, bool extraLine) const {
  const FontRef font = fonts.For(item);
  int width = 2 * item.PictureSize.Width + TextWidth(font, TextToMeasure(item)) + 3 * Margin + Spacing;
  if (extraLine && item.FirstColumn) width += std::max(0, owner_.MenuSupport.ExtraLineWidth);
  if (item.Kind == TsMenuItemType::smDivider) return Size{width, 2};
  const int line = LineHeight(font);
  const int content = item.Kind == TsMenuItemType::smCaption ? line : std::max(line, item.PictureSize.Height);
  return Size{width, content + 2 * Margin};
}

Size TsSkinableMenus::MeasureLineItem(const TsMenuItemData& item, const TsMenuFonts& fonts,
                                      int menuBarHeight) const {
  int width = TextWidth(fonts.For(item), WithoutAmpersands(item.Caption));
  if (item.Picture) width += item.PictureSize.Width + 6;
  return Size{width, menuBarHeight - 1};
}

int TsSkinableMenus::ExtraWidth(const TacMenuInfo* menu) const {
  if (!owner_.MenuSupport.UseExtraLine || !menu || !menu->HaveExtraLine) return 0;
  return std::max(0, owner_.MenuSupport.ExtraLineWidth);
}

}  // namespace wakespan
