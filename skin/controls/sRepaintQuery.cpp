#include "skin/controls/sRepaintQuery.h"

#include "skin/data/sSkinManager.h"

namespace wakespan {

int ChildMoveNeedsRepaint(const TsCommonData& data, const TacRepaintQuery& query) {
  if (!data.Skinned()) return 0;
  const TsGeneralData& g = data.SkinManager()->gd[size_t(data.SkinIndex)];
  const auto parent = [&] { return query.HasParentWindow && query.ParentAnswer ? query.ParentAnswer() : 1; };
  if (g.GradientPercent + g.ImagePercent > 0) return 1;
  if (g.Transparency >= 100 && query.HasParentWindow) return parent();
  if (!query.Visible) return 1;
  if (!query.Enabled || (g.Transparency > 0 && g.Transparency < 100)) return parent();
  return 0;
}

}  // namespace wakespan
