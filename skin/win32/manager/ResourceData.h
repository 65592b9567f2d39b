// Raw data resources of the executable.
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/data/acSkinPack.h"

namespace wakespan {

// A copy of the RCDATA resource `name`; empty when there is none.
ByteBuffer ResourceBytes(const wchar_t* name);

}  // namespace wakespan
