// Makes the wrapper the class lists choose for a window, hooked.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace wakespan {

class TacMainWnd;
class TsCommonData;
class TsSkinManager;

// The wrapper for list `listIndex` of the manager's class lists, or none
// for speed buttons and indexes out of range. An empty section takes the
// wrapper's default.
std::unique_ptr<TacMainWnd> CreateWrapper(size_t listIndex, HWND window, TsCommonData* skinData,
                                          TsSkinManager* manager, const std::string& section);

}  // namespace wakespan
