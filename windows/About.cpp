#include "windows/About.h"

#include <shellapi.h>

#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Pictures.h"
#include "windows/Forms.h"
#include "windows/Links.h"
#include "windows/layouts/AboutLayout.h"

TAboutform* Aboutform = nullptr;

TAboutform::TAboutform() : FixedForm(AboutformLayout()) {
  gui::BuildControls(*this, AboutformRows());
  Okbtn = gui::Find<gui::Button>(*this, L"Okbtn");
  Image1 = gui::Find<gui::Image>(*this, L"Image1");
  Label1 = gui::Find<gui::Label>(*this, L"Label1");
  Label2 = gui::Find<gui::Label>(*this, L"Label2");
  Label3 = gui::Find<gui::Label>(*this, L"Label3");
  Label4 = gui::Find<gui::Label>(*this, L"Label4");
  Image1->Center = true;
  Image1->SetPicture(gui::LoadAlphaBitmap(L"POWER48"));
  for (gui::Label* link : {Label3, Label4}) link->FontColor = kAboutLinkColor;
  Label3->OnClick = [this](gui::Control&) { Label3Click(); };
  Label4->OnClick = [this](gui::Control&) { Label4Click(); };
  Okbtn->OnClick = [this](gui::Control&) { OkbtnClick(); };
  for (gui::Control* handle : std::initializer_list<gui::Control*>{this, Image1, Label1, Label2})
    MakeDragHandle(*handle);
  OnCreate = [this] { InitializeOrTerminate(); };
  OnShow = [this] { Okbtn->SetFocus(); };
}

bool TAboutform::InitializeThis() {
  return Attempt([this] {
    SetCaption(kAboutformCaption);
    RequestCentre();
    FixSize(kAboutformWidth, kAboutformHeight);
  });
}

void TAboutform::OkbtnClick() { Close(); }

void TAboutform::Label3Click() { links::Open(links::AboutMail()); }

void TAboutform::Label4Click() {
  const HWND owner = gui::Application::Instance().MainForm()->Handle();
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"Open", links::kBlogAddress, nullptr, nullptr, SW_SHOWDEFAULT));
  if (result > 32) return;
  gui::ShowErrorMessage(std::wstring(L"Unable To access URL \"") + links::kBlogAddress + L"\", error code [" +
                        std::to_wstring(result) + L"].");
}
