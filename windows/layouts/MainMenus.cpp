#include "windows/layouts/MainMenus.h"

const std::vector<gui::MenuRow>& PopupMenu1Rows() {
  static const std::vector<gui::MenuRow> rows = {
      {0, L"Settings1", L"&Settings", 25},
      {0, L"Do1", L"&Execute Action...", 9},
      {1, L"ShutDown1", L"&Shut Down", -1},
      {1, L"Reboot1", L"&Reboot", -1},
      {1, L"Logofcurrentuser1", L"&Log off current user", -1},
      {1, L"Hibernate1", L"Hibernate", -1},
      {0, L"N3", L"-", -1},
      {0, L"Open1", L"Windows", 30},
      {1, L"WindowsTaskManager1", L"Task Manager", 29},
      {1, L"WindowsCommandPrompt1", L"Command Prompt", 20},
      {1, L"RegistryEditor1", L"Registry Editor", 24},
      {1, L"SystemConfiguration1", L"System Configuration", 19},
      {1, L"DirectXDiagnosticTool1", L"DirectX Diagnostic Tool", 10},
      {1, L"SystemInformation1", L"System Information", 21},
      {1, L"Notepad1", L"Notepad", 22},
      {1, L"Wordpad1", L"Wordpad", 31},
      {1, L"Calculator1", L"Calculator", 3},
      {0, L"ControlPanel1", L"Control Panel ", 4},
      {1, L"Main1", L"Main", 4},
      {1, L"N2", L"-", -1},
      {1, L"ProgramAndFeatures1", L"Program And Features", 1},
      {1, L"FolderOptions1", L"Folder Options", 12},
      {1, L"DisplayProperties1", L"Display Properties", 8},
      {1, L"DesktopThemes1", L"Desktop Themes", 7},
      {1, L"PowerManagement1", L"Power Options", 23},
      {1, L"RegionsAndLanguages1", L"Region And Language", 17},
      {1, L"DateAndTime1", L"Date And Time", 6},
      {1, L"SoundProperties1", L"Sound Properties", 26},
      {1, L"KeyBoardSettings1", L"KeyBoard Properties", 16},
      {1, L"InternetSettings1", L"Internet Properties", 15},
      {1, L"MouseSettings1", L"Mouse Properties", 18},
      {1, L"SystemProperties1", L"System Properties", 28},
      {1, L"AdministrativeTools1", L"Administrative Tools", 5},
      {0, L"N4", L"-", -1},
      {0, L"Help1", L"&Help", 14},
      {1, L"Support1", L"&Send FeedBack...", 27},
      {1, L"Reportabug1", L"&Report a bug!", 13},
      {1, L"About1", L"&About", 0},
      {0, L"N1", L"-", -1},
      {0, L"Exit1", L"Exit", 11},
  };
  return rows;
}

const std::vector<gui::MenuRow>& MainMenu1Rows() {
  static const std::vector<gui::MenuRow> rows = {
      {0, L"File1", L"File", -1},
      {1, L"Exit2", L"Exit           ", 1},
      {0, L"Help2", L"Help", -1},
      {1, L"SendFeedBack1", L"&Send FeedBack...", 3},
      {1, L"Reportabug2", L"&Report a bug!", 4},
      {1, L"About2", L"&About", 0},
  };
  return rows;
}
