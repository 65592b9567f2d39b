#include "skin/win32/SkinFactories.h"

namespace wakespan {

SkinFactories& Factories() {
  static SkinFactories factories;
  return factories;
}

}  // namespace wakespan
