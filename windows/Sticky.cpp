#include "windows/Sticky.h"

#include "platform/gui/Pictures.h"
#include "platform/win32/WideText.h"
#include "schedule/ClockTexts.h"
#include "schedule/TrayHint.h"
#include "windows/ActionDispatch.h"
#include "windows/Main.h"
#include "windows/Forms.h"
#include "windows/Services.h"

TStickyform* Stickyform = nullptr;

namespace {

constexpr COLORREF kOlive = RGB(128, 128, 0);

gui::FormLayout StickyformLayout() {
  gui::FormLayout layout{L"TStickyform", L"Stickyform", L"Stickyform"};
  layout.border = gui::BorderStyle::None;
  layout.borderIcons = false;
  layout.clientWidth = 52;
  layout.clientHeight = 68;
  return layout;
}

}  // namespace

TStickyform::TStickyform()
    : FixedForm(StickyformLayout()),
      digitsFont_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma")) {
  SetColor(kOlive);
  SetTransparentColor(kOlive);
  Label1 = Make<gui::Label>(this, L"Label1", gui::Bounds{0, 0, 52, 14}, L"");
  Label1->Font = static_cast<HFONT>(digitsFont_.get());
  Label1->FontColor = RGB(255, 0, 0);
  Label1->Alignment = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  Image1 = Make<gui::Image>(this, L"Image1", gui::Bounds{0, 16, 52, 52});
  Image1->Center = true;
  // The olive key cuts whole pixels only: the picture gets hard edges.
  Image1->SetPicture(gui::HardenAlpha(gui::LoadAlphaBitmap(L"POWER64")));
  MakeDragHandle(*Image1);
  Timer1 = Make<gui::Timer>(L"Timer1", 1000, false);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  OnCreate = [this] { FormCreate(); };
}


void TStickyform::FormCreate() {
  InitializeOrTerminate();
  Timer1->TickNowThenEnable();
}

bool TStickyform::InitializeThis() {
  return Attempt([this] {
    SetCaption(L"");
    SetTopLeft(GetSystemMetrics(SM_CXSCREEN) - Width(), 0);
    FixSize(52, 68);
  });
}

// Once a second: the digits, the tray hint and the running-time trigger.
void TStickyform::Timer1Timer() {
  using platform::FromWide;
  const platform::Text runningTime = schedule::RunningTimeText(services::Clock().TickCount());
  const platform::Text trigger = FromWide(Mainform->ActionWakespan->Text());
  Label1->SetCaption(platform::Wide(runningTime));
  Mainform->TrayIcon1->SetHint(platform::Wide(schedule::BuildTrayHint(
      FromWide(Label1->Caption()), trigger, FromWide(Mainform->GetThisTime()), FromWide(Mainform->ActionTime->Text()))));
  action_dispatch::CheckTrigger(trigger, runningTime);
}
