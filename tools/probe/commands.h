// The probes' command-line shape: a table of named commands, each with its
// least number of arguments and a usage line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace probe {

using Args = std::vector<std::wstring>;

struct Command {
  const wchar_t* name;
  size_t minArgs;
  const char* usage;
  int (*run)(const Args&);
};

// Runs the command named on this process's command line with the arguments
// after it; prints the usage lines and returns 2 for an unknown command or
// too few arguments. Standard output is switched to binary first.
int RunCommandLine(const char* program, const Command* commands, size_t count);

}  // namespace probe
