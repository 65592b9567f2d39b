#include "skin/win32/manager/EngineStartup.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "skin/decode/ImageDecode.h"
#include "skin/engine/StartupRules.h"
#include "skin/paint/sPaintPlatform.h"
#include "skin/win32/manager/PaintPlatformWin32.h"
#include "skin/win32/manager/ResourceData.h"
#include "skin/win32/frame/sSkinProvider.h"
#include "skin/win32/menus/MenuRegistration.h"

namespace wakespan {

namespace {

EngineGlobals& Globals() {
  static EngineGlobals globals;
  return globals;
}

unsigned long PlatformId() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  // Only the platform identifier is read, which the compatibility shims leave alone.
  if (!GetVersionExW(&version)) return 0;
#pragma GCC diagnostic pop
  return version.dwPlatformId;
}

struct LocalFreeDeleter {
  void operator()(LPWSTR* block) const { LocalFree(block); }
};

// The arguments after the program's own name.
std::vector<std::wstring> Arguments() {
  int count = 0;
  std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::wstring> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.emplace_back(argv.get()[i]);
  return arguments;
}

}  // namespace

Bitmap LoadPngResource(const wchar_t* name) {
  const ByteBuffer bytes = ResourceBytes(name);
  return DecodePng(bytes.data(), bytes.size()).Image;
}

void StartEngine() {
  static bool started = false;
  if (started) return;
  started = true;
  EngineGlobals& globals = Globals();
  globals.ntFamily = engine::IsNtFamily(PlatformId());
  // Painting stretches, fills gradients and writes text through GDI.
  SetPaintPlatform(&Win32PaintPlatform());
  RegisterMenuSkinning();
  RegisterFormProvider();
  globals.activeShadow = LoadPngResource(L"ACSHDA");
  globals.inactiveShadow = LoadPngResource(L"ACSHDI");
  if (engine::AsksForVersion(Arguments()))
    MessageBoxW(nullptr, engine::kVersionBoxText, gui::Application::Instance().Title().c_str(), MB_OK);
}

const EngineGlobals& Engine() { return Globals(); }

}  // namespace wakespan
