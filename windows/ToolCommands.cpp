#include "windows/ToolCommands.h"

namespace launcher {

const std::array<ToolCommand, kToolCount>& ToolCommands() {
  using M = ToolMenu;
  static const std::array<ToolCommand, kToolCount> kCommands = {{
      {M::Windows, "WindowsTaskManager1", L"Task Manager", 29, "Taskmgr"},
      {M::Windows, "WindowsCommandPrompt1", L"Command Prompt", 20, "cmd"},
      {M::Windows, "RegistryEditor1", L"Registry Editor", 24, "Regedit.exe"},
      {M::Windows, "SystemConfiguration1", L"System Configuration", 19, "msconfig"},
      {M::Windows, "DirectXDiagnosticTool1", L"DirectX Diagnostic Tool", 10, "DxDiag"},
      {M::Windows, "SystemInformation1", L"System Information", 21, "MsInfo32"},
      {M::Windows, "Notepad1", L"Notepad", 22, "Notepad"},
      {M::Windows, "Wordpad1", L"Wordpad", 31, "Write"},
      {M::Windows, "Calculator1", L"Calculator", 3, "Calc"},
      {M::ControlPanel, "Main1", L"Main", 4, "Control.exe"},
      {M::ControlPanel, "ProgramAndFeatures1", L"Program And Features", 1,
       "rundll32 shell32.dll,Control_RunDLL AppWiz.cpl"},
      {M::ControlPanel, "FolderOptions1", L"Folder Options", 12, "Control /Name Microsoft.FolderOptions"},
      {M::ControlPanel, "DisplayProperties1", L"Display Properties", 8,
       "rundll32 shell32.dll,Control_RunDLL desk.cpl,Settings,@Settings"},
      {M::ControlPanel, "DesktopThemes1", L"Desktop Themes", 7,
       "rundll32 shell32.dll,Control_RunDLL desk.cpl,Themes,@Themes"},
      {M::ControlPanel, "PowerManagement1", L"Power Options", 23, "Control.exe /Name Microsoft.PowerOptions"},
      {M::ControlPanel, "RegionsAndLanguages1", L"Region And Language", 17,
       "rundll32 shell32.dll,Control_RunDLL Intl.cpl"},
      {M::ControlPanel, "DateAndTime1", L"Date And Time", 6, "rundll32 shell32.dll,Control_RunDLL TimeDate.cpl"},
      {M::ControlPanel, "SoundProperties1", L"Sound Properties", 26,
       "rundll32 shell32.dll,Control_RunDLL MMSYS.CPL,Sounds"},
      {M::ControlPanel, "KeyBoardSettings1", L"KeyBoard Properties", 16, "Control /Name Microsoft.Keyboard"},
      {M::ControlPanel, "InternetSettings1", L"Internet Properties", 15,
       "rundll32 shell32.dll,Control_RunDLL InetCpl.cpl"},
      {M::ControlPanel, "MouseSettings1", L"Mouse Properties", 18, "rundll32 shell32.dll,Control_RunDLL main.cpl"},
      {M::ControlPanel, "SystemProperties1", L"System Properties", 28,
       "rundll32 shell32.dll,Control_RunDLL SysDm.cpl"},
      {M::ControlPanel, "AdministrativeTools1", L"Administrative Tools", 5,
       "Control.exe /Name Microsoft.AdministrativeTools"},
  }};
  return kCommands;
}

}  // namespace launcher
