#include "skin/controls/sControlView.h"

namespace wakespan {
namespace {

bool HoverShownByControl(int kind) {
  return kind == 19 || (kind >= 51 && kind <= 74) || kind == 110 || (kind >= 141 && kind <= 161);
}

}  // namespace

bool IsControlHot(const TacHotInput& in) {
  if (!in.ControlExists || !in.Enabled || in.Destroying) return false;
  return in.Focused || (in.MouseAbove && !HoverShownByControl(in.KindCode));
}

}  // namespace wakespan
