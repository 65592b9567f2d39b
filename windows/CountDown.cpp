#include "windows/CountDown.h"

#include "platform/gui/Dialogs.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Pictures.h"
#include "platform/win32/WideText.h"
#include "windows/Forms.h"
#include "windows/Main.h"
#include "windows/layouts/CountDownLayout.h"

TCountDownform* CountDownform = nullptr;

TCountDownform::TCountDownform() : FixedForm(CountDownformLayout()) {
  gui::BuildControls(*this, CountDownformRows());
  Label1 = gui::Find<gui::Label>(*this, L"Label1");
  ProgressBar1 = gui::Find<gui::ProgressBar>(*this, L"ProgressBar1");
  Cancelbtn = gui::Find<gui::BitBtn>(*this, L"Cancelbtn");
  Label1->Alignment = DT_CENTER | DT_TOP | DT_SINGLELINE;
  ProgressBar1->SetMax(100);
  const gui::OwnedBitmap glyph(gui::LoadAlphaBitmap(L"STOPHAND24"));
  Cancelbtn->SetGlyph(static_cast<HBITMAP>(glyph.get()));
  Timer1 = Make<gui::Timer>(L"Timer1", 1000, false);
  Timer1->OnTimer = [this] { countdown_.Tick(); };
  Cancelbtn->OnClick = [this](gui::Control&) { CancelbtnClick(); };
  for (gui::Control* handle : std::initializer_list<gui::Control*>{this, Label1, ProgressBar1}) MakeDragHandle(*handle);
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { Cancelbtn->SetFocus(); };
  OnCloseQuery = [this](bool& canClose) { canClose = countdown_.CloseQuery(); };
}

void TCountDownform::FormCreate() {
  Timer1->SetEnabled(false);
  InitializeOrTerminate();
}

bool TCountDownform::InitializeThis() {
  return Attempt([this] {
    SetCaption(kCountDownformCaption);
    RequestCentre();
    FixSize(kCountDownformWidth, kCountDownformHeight);
  });
}

void TCountDownform::SetLabel(const platform::Text& text) { Label1->SetCaption(platform::Wide(text)); }
void TCountDownform::SetBarMaximum(int maximum) { ProgressBar1->SetMax(maximum); }
void TCountDownform::SetBarPosition(int position) { ProgressBar1->SetPosition(position); }
void TCountDownform::EnableTimer() { Timer1->SetEnabled(true); }
void TCountDownform::DisableTimer() { Timer1->SetEnabled(false); }

void TCountDownform::ShowCentredOnTop() {
  RequestCentre();
  SetTopmost(true);
  Show();
}

void TCountDownform::Close() { FixedForm::Close(); }

bool TCountDownform::RunAction(schedule::ActionCode action) { return Mainform->ShutDown(action); }

void TCountDownform::ShowInformation(const platform::Text& text) { gui::ShowInformation(platform::Wide(text)); }
