#pragma once
// The Windows tools and control-panel pages of the tray menu's "Windows" and
// "Control Panel " submenus: each item's caption, picture and the command
// line it passes unchanged to WinExec. Pure data, free of windows.h.
#include <array>

namespace launcher {

enum class ToolMenu { Windows, ControlPanel };

struct ToolCommand {
  ToolMenu menu;
  const char* item;         // the menu item's name, e.g. "Notepad1"
  const wchar_t* caption;
  int picture;              // index into the tray menu's image list
  const char* commandLine;  // ANSI, as WinExec takes it
};

constexpr int kToolCount = 23;
// WinExec's show mode for every tool: SW_SHOW.
constexpr int kToolShowMode = 5;

// Every tool in menu display order; in "Control Panel " a separator follows
// the first item.
const std::array<ToolCommand, kToolCount>& ToolCommands();

}  // namespace launcher
