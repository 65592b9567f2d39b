// The engine's process-wide start-up, run once before the first form:
// the NT-family check, the two window-shadow images and the "/acver" box.
#pragma once

#include "skin/pixels/Bitmap.h"

namespace wakespan {

struct EngineGlobals {
  bool ntFamily = false;
  Bitmap activeShadow;    // resource ACSHDA
  Bitmap inactiveShadow;  // resource ACSHDI
};

// Runs the start-up the first time it is called; later calls change nothing.
void StartEngine();
const EngineGlobals& Engine();

// A PNG stored as a raw data resource of the executable; empty when the
// resource is missing or does not decode.
Bitmap LoadPngResource(const wchar_t* name);

}  // namespace wakespan
