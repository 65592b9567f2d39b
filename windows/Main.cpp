#include "windows/Main.h"

#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Pictures.h"
#include "platform/win32/WideText.h"
#include "schedule/ClockTexts.h"
#include "schedule/SettingsStore.h"
#include "skin/win32/manager/ResourceData.h"
#include "windows/Forms.h"
#include "windows/About.h"
#include "windows/ActionDispatch.h"
#include "windows/CountDown.h"
#include "windows/ToolCommands.h"
#include "windows/layouts/MainLayout.h"
#include "windows/layouts/MainMenus.h"
#include "windows/Links.h"
#include "windows/Services.h"
#include "windows/Sticky.h"

using platform::FromWide;
using platform::Wide;
using schedule::Flag;
using schedule::Trigger;

TMainform* Mainform = nullptr;

namespace {

// The settings window's controls as the working copy of the settings.
class SettingsView : public schedule::SettingsControls {
 public:
  explicit SettingsView(TMainform& form) : form_(form) {}

  bool IsChecked(Flag flag) const override { return Box(flag)->Checked(); }
  void SetChecked(Flag flag, bool checked) override { Box(flag)->SetChecked(checked); }
  platform::Text TriggerText(Trigger trigger) const override { return FromWide(EditOf(trigger)->Text()); }
  void SetTriggerText(Trigger trigger, const platform::Text& text) override { EditOf(trigger)->SetText(Wide(text)); }
  void SetTriggerEditsEnabled(bool enabled) override {
    form_.ActionWakespan->SetEnabled(enabled);
    form_.ActionTime->SetEnabled(enabled);
  }
  std::optional<schedule::ActionCode> CheckedAction() const override {
    const auto radios = form_.ActionRadios();
    for (int code = 0; code < schedule::kActionCount; ++code)
      if (radios[code]->Checked()) return code;
    return std::nullopt;
  }
  void SelectAction(schedule::ActionCode code) override { form_.ActionRadios()[code]->SetChecked(true); }
  void DisableApply() override { form_.Applybtn->SetEnabled(false); }

 private:
  gui::CheckBox* Box(Flag flag) const {
    switch (flag) {
      case Flag::RunAtStartUp: return form_.RunCheck;
      case Flag::CountDown: return form_.CountDownCheck;
      case Flag::Protect: return form_.ProtectCheck;
      case Flag::SetActTime: break;
    }
    return form_.SetActCheck;
  }
  gui::Edit* EditOf(Trigger trigger) const {
    return trigger == Trigger::LocalTime ? form_.ActionTime : form_.ActionWakespan;
  }
  TMainform& form_;
};

}  // namespace

TMainform::TMainform() : FixedForm(MainformFormLayout()), powerActions_(services::Power(), *this) {
  gui::BuildControls(*this, MainformLayout());
  auto find = [this](auto*& field, const wchar_t* name) {
    field = gui::Find<std::remove_pointer_t<std::remove_reference_t<decltype(field)>>>(*this, name);
  };
  find(MainBox, L"MainBox");
  find(GroupBox1, L"GroupBox1");
  find(GroupBox2, L"GroupBox2");
  find(GroupBox3, L"GroupBox3");
  find(RunCheck, L"RunCheck");
  find(CountDownCheck, L"CountDownCheck");
  find(ProtectCheck, L"ProtectCheck");
  find(SetActCheck, L"SetActCheck");
  find(Label1, L"Label1");
  find(Label2, L"Label2");
  find(ActionWakespan, L"ActionWakespan");
  find(ActionTime, L"ActionTime");
  find(helpUpbtn, L"helpUpbtn");
  find(Helpbtn, L"Helpbtn");
  find(SetPassbtn, L"SetPassbtn");
  find(Applybtn, L"Applybtn");
  find(OKbtn, L"OKbtn");
  find(ShutR, L"ShutR");
  find(RebootR, L"RebootR");
  find(LogoffR, L"LogoffR");
  find(CloseR, L"CloseR");
  find(NoR, L"NoR");
  find(HiberR, L"HiberR");
  Timer1 = Make<gui::Timer>(L"Timer1", 500, true);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  BuildMenus();
  sSkinManager1 = Make<wakespan::SkinManagerComponent>(
      L"sSkinManager1", wakespan::MainformSkinManagerProperties(wakespan::ResourceBytes(L"SKIN_WMP11_INTERNAL")));

  ProtectCheck->SetEnabled(false);
  SetPassbtn->SetEnabled(false);

  auto changed = [this](gui::Control&) { RunCheckClick(); };
  for (gui::CheckBox* box : {RunCheck, CountDownCheck, ProtectCheck, SetActCheck}) box->OnClick = changed;
  for (gui::RadioButton* radio : ActionRadios()) radio->OnClick = changed;
  ActionTime->OnChange = changed;
  ActionWakespan->OnChange = changed;
  Applybtn->OnClick = [this](gui::Control&) { ApplybtnClick(); };
  OKbtn->OnClick = [this](gui::Control&) { OKbtnClick(); };
  Helpbtn->OnClick = [this](gui::Control&) { HelpbtnClick(); };
  helpUpbtn->OnClick = [this](gui::Control&) { helpUpbtnClick(); };
  for (gui::Control* handle : std::initializer_list<gui::Control*>{this, MainBox, GroupBox1, GroupBox2, GroupBox3,
                                                                    Label1, Label2})
    MakeDragHandle(*handle);

  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
}

void TMainform::BuildMenus() {
  ImageList1 = Make<gui::ImageList>(L"ImageList1", L"IMAGELIST1");
  ImageList2 = Make<gui::ImageList>(L"ImageList2", L"IMAGELIST2");
  PopupMenu1 = Make<gui::PopupMenu>(L"PopupMenu1", ImageList1);
  MainMenu1 = Make<gui::MainMenu>(L"MainMenu1", ImageList2);
  PopupMenu1->Build(PopupMenu1Rows());
  PopupMenu1->SetDefault(L"Settings1");
  controlPanelPicture_.Reset(gui::LoadPicture(L"MENU_CONTROL_PANEL"));
  adminToolsPicture_.Reset(gui::LoadPicture(L"MENU_ADMIN_TOOLS"));
  PopupMenu1->SetOwnPicture(L"ControlPanel1", static_cast<HBITMAP>(controlPanelPicture_.get()));
  PopupMenu1->SetOwnPicture(L"AdministrativeTools1", static_cast<HBITMAP>(adminToolsPicture_.get()));
  MainMenu1->Build(MainMenu1Rows());
  SetMenu(MainMenu1);
  auto* small = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  TrayIcon1 = Make<gui::TrayIcon>(L"TrayIcon1", small);
  TrayIcon1->Popup = PopupMenu1;
  TrayIcon1->OnDblClick = [this] { Settings1Click(); };
  WireMenuHandlers();
}

void TMainform::WireMenuHandlers() {
  auto on = [](gui::Menu* menu, const wchar_t* name, std::function<void()> handler) {
    menu->Find(name)->OnClick = [handler](gui::MenuItem&) { handler(); };
  };
  on(PopupMenu1, L"Settings1", [this] { Settings1Click(); });
  on(PopupMenu1, L"Support1", [this] { Support1Click(); });
  on(PopupMenu1, L"Reportabug1", [this] { Reportabug1Click(); });
  on(PopupMenu1, L"About1", [this] { About1Click(); });
  on(PopupMenu1, L"Exit1", [this] { Exit1Click(); });
  on(MainMenu1, L"SendFeedBack1", [this] { Support1Click(); });
  on(MainMenu1, L"Reportabug2", [this] { Reportabug1Click(); });
  on(MainMenu1, L"About2", [this] { About1Click(); });
  on(MainMenu1, L"Exit2", [this] { Exit1Click(); });
  on(PopupMenu1, L"ShutDown1", [this] { ShutDown(schedule::kActionShutDown); });
  on(PopupMenu1, L"Reboot1", [this] { ShutDown(schedule::kActionReboot); });
  on(PopupMenu1, L"Logofcurrentuser1", [this] { ShutDown(schedule::kActionLogOff); });
  on(PopupMenu1, L"Hibernate1", [this] { ShutDown(schedule::kActionHibernate); });
  // The tool launcher: each item hands its fixed command line to WinExec.
  for (const launcher::ToolCommand& tool : launcher::ToolCommands()) {
    const std::wstring name(tool.item, tool.item + std::char_traits<char>::length(tool.item));
    on(PopupMenu1, name.c_str(), [command = tool.commandLine] { WinExec(command, launcher::kToolShowMode); });
  }
}

std::array<gui::RadioButton*, schedule::kActionCount> TMainform::ActionRadios() const {
  return {ShutR, RebootR, LogoffR, CloseR, NoR, HiberR};
}

void TMainform::FormCreate() {
  GetRegValues();
  InitializeOrTerminate();
}

bool TMainform::InitializeThis() {
  return Attempt([this] {
    SetCaption(kMainformCaption);
    RequestCentre();
    FixSize(kMainformWidth, kMainformHeight);
    Timer1->SetEnabled(true);
  });
}

void TMainform::FormShow() { OKbtn->SetFocus(); }

void TMainform::FormCloseQuery(bool& canClose) {
  canClose = false;
  Hide();
}

bool TMainform::GetRegValues() {
  SettingsView view(*this);
  return schedule::LoadSettings(services::Registry(), view, services::ExecutablePath());
}

bool TMainform::SetRegValues() {
  SettingsView view(*this);
  return schedule::StoreSettings(services::Registry(), view, services::ExecutablePath());
}

std::wstring TMainform::GetThisTime() { return Wide(schedule::LocalTimeText(services::Clock().Now())); }

void TMainform::RunCheckClick() {
  Applybtn->SetEnabled(true);
  const bool armed = SetActCheck->Checked();
  ActionWakespan->SetEnabled(armed);
  ActionTime->SetEnabled(armed);
}

void TMainform::ApplybtnClick() {
  SetRegValues();
  GetRegValues();
}

void TMainform::OKbtnClick() {
  ApplybtnClick();
  Hide();
  Stickyform->Show();
}

void TMainform::Settings1Click() { Show(); }

bool TMainform::ShutDown(schedule::ActionCode action) { return powerActions_.ShutDown(action); }

void TMainform::Terminate() { gui::Application::Instance().Terminate(); }

bool TMainform::CountdownWindowExists() { return CountDownform != nullptr; }

void TMainform::CancelCountdown() { CountDownform->CancelbtnClick(); }

void TMainform::ShowBalloon(const schedule::Balloon& balloon) {
  TrayIcon1->ShowBalloon(Wide(balloon.title), Wide(balloon.text), balloon.timeoutMs);
}

// The local-time trigger, twice a second.
void TMainform::Timer1Timer() { action_dispatch::CheckTrigger(FromWide(ActionTime->Text()), FromWide(GetThisTime())); }

void TMainform::Support1Click() { links::Open(links::FeedbackMail()); }

void TMainform::Reportabug1Click() { links::Open(links::BugReportMail()); }

void TMainform::About1Click() { Aboutform->ShowModal(); }

void TMainform::Exit1Click() { gui::Application::Instance().Terminate(); }

void TMainform::HelpbtnClick() { gui::ShowInformation(L"Time now is: " + GetThisTime()); }

void TMainform::helpUpbtnClick() { gui::ShowInformation(L"Wakespan now is: " + Stickyform->Label1->Caption()); }
