// Fuzzes the packed-container reader: any bytes must either unpack or fail
// with ESkinError, never crash or read past the data.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "skin/data/acSkinPack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace wakespan;
  auto reader = std::make_unique<TacSkinConvertor>();
  reader->LendPackedData(data, size);
  try {
    UnpackSkinData(reader);
    if (reader && reader->PackedPosition() > size) __builtin_trap();
  } catch (const ESkinError&) {
  }
  return 0;
}
