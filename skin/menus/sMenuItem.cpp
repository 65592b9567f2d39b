#include "skin/menus/sMenuItem.h"

namespace wakespan {

TsMenuItemType MenuItemTypeOf(std::u16string_view caption) {
  if (caption == u"-") return TsMenuItemType::smDivider;
  if (caption.size() > 1 && caption.front() == u'-' && caption.back() == u'-') return TsMenuItemType::smCaption;
  return TsMenuItemType::smNormal;
}

}  // namespace wakespan
