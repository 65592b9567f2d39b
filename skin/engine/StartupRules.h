// Decisions the engine's start-up takes before any window exists.
#pragma once

#include <string>
#include <vector>

namespace wakespan::engine {

// The text of the version box the "/acver" argument asks for.
constexpr wchar_t kVersionBoxText[] = L"Tamsarin v6.68";

// Windows NT family: platform identifier 2 (VER_PLATFORM_WIN32_NT).
constexpr bool IsNtFamily(unsigned long platformId) { return platformId == 2; }

// Whether any argument equals "/acver" once lower-cased; the first match
// ends the look, so the box is shown at most once however often it is given.
bool AsksForVersion(const std::vector<std::wstring>& arguments);

}  // namespace wakespan::engine
