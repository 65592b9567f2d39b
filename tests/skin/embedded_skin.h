// The packed embedded skin the build makes, for the tests that paint with it.
#pragma once

#include <fstream>
#include <iterator>
#include <memory>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"

namespace wakespan::test {

#ifdef WAKESPAN_EMBEDDED_SKIN_ASZ
inline ByteBuffer EmbeddedPackedSkin() {
  std::ifstream in(WAKESPAN_EMBEDDED_SKIN_ASZ, std::ios::binary);
  return ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A manager of its own with the embedded skin loaded.
inline std::unique_ptr<TsSkinManager> LoadEmbeddedSkin() {
  const ByteBuffer packed = EmbeddedPackedSkin();
  auto manager = std::make_unique<TsSkinManager>();
  manager->LoadPackedData(packed.data(), packed.size());
  return manager;
}
#endif

}  // namespace wakespan::test
