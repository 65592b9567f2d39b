#include <memory>

#include "platform/MemoryRegistry.h"
#include "registry_cases.h"

namespace {

struct MemoryTraits {
  static std::unique_ptr<platform::MemoryRegistry>& Instance() {
    static std::unique_ptr<platform::MemoryRegistry> registry;
    return registry;
  }
  static platform::RegistryBackend& Backend() { return *Instance(); }
  static platform::Text TestKey() { return u"Software\\WakespanTest"; }
  static void Clear() { Instance() = std::make_unique<platform::MemoryRegistry>(); }
};


TEST(MemoryRegistry, ReadOnlyAccessRefusesCreationAndFullAccess) {
  platform::MemoryRegistry registry;
  registry.Put(platform::RootKey::LocalMachine, u"Software\\Existing", u"V", platform::ValueType::Dword, {1, 0, 0, 0});
  registry.SetReadOnly(true);
  platform::RegistrySession session(registry, platform::RootKey::LocalMachine);
  EXPECT_TRUE(session.KeyExists(u"Software\\Existing"));
  EXPECT_FALSE(session.OpenKey(u"Software\\Existing"));
  try {
    session.CreateKey(u"Software\\Kovalune");
    FAIL() << "creation must fail";
  } catch (const platform::RegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to create key Software\\Kovalune");
  }
}

TEST(MemoryRegistry, SessionsCloseEveryHandleTheyOpen) {
  platform::MemoryRegistry registry;
  {
    platform::RegistrySession session(registry, platform::RootKey::LocalMachine);
    session.CreateKey(u"A\\B");
    session.KeyExists(u"A");
    session.OpenKey(u"A\\B");
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

}  // namespace

namespace registry_cases {
using Backends = ::testing::Types<MemoryTraits>;
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistrySemantics, Backends);
}  // namespace registry_cases
