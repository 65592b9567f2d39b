#include "skin/engine/StartupRules.h"

#include <algorithm>

namespace wakespan::engine {

namespace {

// Lower-casing only ASCII letters is exact here: no other character
// lower-cases to one of the letters of "/acver".
bool EqualsLowered(const std::wstring& text, const std::wstring& lowered) {
  return text.size() == lowered.size() &&
         std::equal(text.begin(), text.end(), lowered.begin(), [](wchar_t a, wchar_t b) {
           return (a >= L'A' && a <= L'Z' ? wchar_t(a - L'A' + L'a') : a) == b;
         });
}

}  // namespace

bool AsksForVersion(const std::vector<std::wstring>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::wstring& argument) { return EqualsLowered(argument, L"/acver"); });
}

}  // namespace wakespan::engine
