// The answer a framework control gives when asked whether a child moving
// over it needs it repainted: whenever its look depends on what lies
// behind or on where the child is.
#pragma once

#include <functional>

#include "skin/paint/sCommonData.h"

namespace wakespan {

struct TacRepaintQuery {
  bool Visible = true;
  bool Enabled = true;
  bool HasParentWindow = true;
  std::function<int()> ParentAnswer;  // the same question asked of the parent
};

// 1 for a gradient or image; a see-through section passes the question on
// to its parent; otherwise 1 when invisible, the parent's answer (1 with no
// parent window) when disabled or partly transparent, else 0.
int ChildMoveNeedsRepaint(const TsCommonData& data, const TacRepaintQuery& query);

}  // namespace wakespan
