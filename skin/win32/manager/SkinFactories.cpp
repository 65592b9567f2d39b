#include "skin/win32/manager/SkinFactories.h"

namespace wakespan {

SkinFactories& Factories() {
  static SkinFactories factories;
  return factories;
}

}  // namespace wakespan
