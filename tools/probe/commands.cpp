#include "tools/probe/commands.h"

#include <windows.h>
// windows.h first: shellapi.h depends on its types.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace probe {

namespace {

int Usage(const char* program, const Command* commands, size_t count) {
  fprintf(stderr, "usage: %s COMMAND ARGS\n", program);
  for (size_t i = 0; i < count; ++i) fprintf(stderr, "  %s\n", commands[i].usage);
  return 2;
}

}  // namespace

int RunCommandLine(const char* program, const Command* commands, size_t count) {
  _setmode(_fileno(stdout), _O_BINARY);
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return Usage(program, commands, count);
  const Args args(argv + 2, argv + argc);
  const std::wstring name = argv[1];
  LocalFree(argv);
  for (size_t i = 0; i < count; ++i)
    if (name == commands[i].name)
      return args.size() < commands[i].minArgs ? Usage(program, commands, count) : commands[i].run(args);
  return Usage(program, commands, count);
}

}  // namespace probe
