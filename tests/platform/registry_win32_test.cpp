#include <windows.h>

#include "platform/win32/Win32Registry.h"
#include "registry_cases.h"

namespace {

struct Win32Traits {
  static platform::RegistryBackend& Backend() {
    static platform::Win32Registry registry;
    return registry;
  }
  static platform::Text TestKey() { return u"Software\\WakespanTest"; }
  static void Clear() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\WakespanTest"); }
};


}  // namespace

namespace registry_cases {
using Backends = ::testing::Types<Win32Traits>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistrySemantics, Backends);
}  // namespace registry_cases
