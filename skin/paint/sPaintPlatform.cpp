#include "skin/paint/sPaintPlatform.h"

#include "skin/paint/HostPaintPlatform.h"

namespace wakespan {
namespace {

TacPaintPlatform* g_installed = nullptr;

}  // namespace

TacPaintPlatform& PaintPlatform() {
  static HostPaintPlatform host;
  return g_installed ? *g_installed : host;
}

void SetPaintPlatform(TacPaintPlatform* platform) { g_installed = platform; }

}  // namespace wakespan
