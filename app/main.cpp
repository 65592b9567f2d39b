// Wakespan: carries out one power action when a typed time equals the local
// time or the time since system start. Creates the four windows in their fixed
// order and runs the message loop until Terminate.
#include <windows.h>

#include "platform/gui/Application.h"
#include "skin/win32/manager/EngineStartup.h"
#include "windows/About.h"
#include "windows/CountDown.h"
#include "windows/Forms.h"
#include "windows/Main.h"
#include "windows/Sticky.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  gui::Application& application = gui::Application::Instance();
  application.Initialize();
  // Before the first form: the skin manager on the settings window needs it.
  wakespan::StartEngine();
  application.CreateForm(Mainform);
  application.CreateForm(Stickyform);
  application.CreateForm(CountDownform);
  application.CreateForm(Aboutform);
  application.Run();
  return 0;
}
