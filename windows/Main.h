#pragma once
// The settings window: start-at-logon and countdown switches, the two trigger
// texts with their arming switch, the action, Apply and OK. It is the main
// form and owns the program's non-visual parts.
#include <array>
#include <string>

#include "platform/gui/GraphicControls.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Menus.h"
#include "platform/gui/TrayIcon.h"
#include "platform/gui/StdControls.h"
#include "platform/gui/Timer.h"
#include "schedule/PowerActions.h"
#include "schedule/Settings.h"
#include "skin/win32/manager/SkinManagerComponent.h"
#include "windows/FixedForm.h"

class TMainform : public FixedForm, private schedule::ActionSink {
 public:
  TMainform();

  // Carries out an action at once; false when it could not be carried out.
  bool ShutDown(schedule::ActionCode action);
  bool InitializeThis() override;
  bool GetRegValues();
  bool SetRegValues();
  // The local-time text of this moment.
  std::wstring GetThisTime();

  gui::GroupBox *MainBox, *GroupBox1, *GroupBox2, *GroupBox3;
  gui::CheckBox *RunCheck, *CountDownCheck, *ProtectCheck, *SetActCheck;
  gui::Label *Label1, *Label2;
  gui::Edit *ActionWakespan, *ActionTime;
  gui::Button *helpUpbtn, *Helpbtn, *SetPassbtn, *Applybtn, *OKbtn;
  gui::RadioButton *ShutR, *RebootR, *LogoffR, *CloseR, *NoR, *HiberR;
  gui::Timer* Timer1;
  gui::ImageList *ImageList1, *ImageList2;
  gui::PopupMenu* PopupMenu1;
  gui::MainMenu* MainMenu1;
  gui::TrayIcon* TrayIcon1;
  // Owns the program's skin; the first manager, so the default one.
  wakespan::SkinManagerComponent* sSkinManager1;
  // The radio buttons indexed by the action code they stand for.
  std::array<gui::RadioButton*, schedule::kActionCount> ActionRadios() const;

 private:
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void RunCheckClick();
  void ApplybtnClick();
  void OKbtnClick();
  void HelpbtnClick();
  void helpUpbtnClick();
  void Settings1Click();
  void Support1Click();
  void Reportabug1Click();
  void About1Click();
  void Exit1Click();
  void Timer1Timer();
  // What the actions need of the windows.
  void Terminate() override;
  bool CountdownWindowExists() override;
  void CancelCountdown() override;
  void ShowBalloon(const schedule::Balloon& balloon) override;
  void BuildMenus();
  void WireMenuHandlers();
  gui::OwnedBitmap controlPanelPicture_;
  gui::OwnedBitmap adminToolsPicture_;
  schedule::PowerActions powerActions_;
};
