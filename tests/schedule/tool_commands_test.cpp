#include <gtest/gtest.h>

#include <string>

#include "windows/ToolCommands.h"

namespace {

using namespace launcher;

TEST(ToolCommands, EveryItemPassesItsCommandLineExactly) {
  const struct {
    const char* item;
    const char* commandLine;
  } expected[] = {
      {"WindowsTaskManager1", "Taskmgr"},
      {"WindowsCommandPrompt1", "cmd"},
      {"RegistryEditor1", "Regedit.exe"},
      {"SystemConfiguration1", "msconfig"},
      {"DirectXDiagnosticTool1", "DxDiag"},
      {"SystemInformation1", "MsInfo32"},
      {"Notepad1", "Notepad"},
      {"Wordpad1", "Write"},
      {"Calculator1", "Calc"},
      {"Main1", "Control.exe"},
      {"ProgramAndFeatures1", "rundll32 shell32.dll,Control_RunDLL AppWiz.cpl"},
      {"FolderOptions1", "Control /Name Microsoft.FolderOptions"},
      {"DisplayProperties1", "rundll32 shell32.dll,Control_RunDLL desk.cpl,Settings,@Settings"},
      {"DesktopThemes1", "rundll32 shell32.dll,Control_RunDLL desk.cpl,Themes,@Themes"},
      {"PowerManagement1", "Control.exe /Name Microsoft.PowerOptions"},
      {"RegionsAndLanguages1", "rundll32 shell32.dll,Control_RunDLL Intl.cpl"},
      {"DateAndTime1", "rundll32 shell32.dll,Control_RunDLL TimeDate.cpl"},
      {"SoundProperties1", "rundll32 shell32.dll,Control_RunDLL MMSYS.CPL,Sounds"},
      {"KeyBoardSettings1", "Control /Name Microsoft.Keyboard"},
      {"InternetSettings1", "rundll32 shell32.dll,Control_RunDLL InetCpl.cpl"},
      {"MouseSettings1", "rundll32 shell32.dll,Control_RunDLL main.cpl"},
      {"SystemProperties1", "rundll32 shell32.dll,Control_RunDLL SysDm.cpl"},
      {"AdministrativeTools1", "Control.exe /Name Microsoft.AdministrativeTools"},
  };
  static_assert(sizeof(expected) / sizeof(expected[0]) == kToolCount);
  for (int i = 0; i < kToolCount; ++i) {
    EXPECT_STREQ(ToolCommands()[i].item, expected[i].item) << "display order";
    EXPECT_STREQ(ToolCommands()[i].commandLine, expected[i].commandLine) << expected[i].item;
  }
  EXPECT_EQ(kToolShowMode, 5);
}

TEST(ToolCommands, NineToolsThenTheControlPanelPages) {
  for (int i = 0; i < kToolCount; ++i)
    EXPECT_EQ(ToolCommands()[i].menu, i < 9 ? ToolMenu::Windows : ToolMenu::ControlPanel) << i;
  EXPECT_EQ(ToolCommands()[18].caption, std::wstring(L"KeyBoard Properties"));
  EXPECT_EQ(ToolCommands()[22].picture, 5);
}

}  // namespace
