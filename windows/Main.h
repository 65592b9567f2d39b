#pragma once
// The settings window: start-at-logon and countdown switches, the two trigger
// texts with their arming switch, the action, Apply and OK. It is the main
// form and owns the program's non-visual parts.
#include <array>
#include <string>

#include "platform/gui/GraphicControls.h"
#include "platform/gui/StdControls.h"
#include "platform/gui/Timer.h"
#include "schedule/Settings.h"
#include "windows/FixedForm.h"

class TMainform : public FixedForm {
 public:
  TMainform();

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
};
