// The manager painting works with when a caller names none.
#pragma once

#include "skin/data/sSkinManager.h"

namespace wakespan {

// `manager` when given, else the default manager (null before the first).
inline TsSkinManager* ManagerOrDefault(TsSkinManager* manager) {
  return manager ? manager : TsSkinManager::DefaultManager();
}

}  // namespace wakespan
