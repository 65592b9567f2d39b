// Feeds arbitrary bytes to the PNG decoder.
#include "image_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzImageDecoder(&wakespan::DecodePng, data, size);
}
