// Collecting a skin directory's members for packing.
#pragma once

#include <string>
#include <vector>

#include "skin/data/acSkinPack.h"

namespace wakespan {

// "Options.dat" first, then every image the options name in their own
// bitmap (in option order), pattern images, and last the master bitmap.
// Names are the files' names on disk. `warnings` receives references to
// files that are missing.
std::vector<PackMember> CollectSkinMembers(const std::string& directory, std::vector<std::string>& warnings);

}  // namespace wakespan
