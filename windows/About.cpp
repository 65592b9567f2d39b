#include "windows/About.h"

#include <shellapi.h>

#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Pictures.h"
#include "windows/Forms.h"
#include "windows/Links.h"

TAboutform* Aboutform = nullptr;

namespace {

gui::FormLayout AboutformLayout() {
  gui::FormLayout layout{L"TAboutform", L"Aboutform", L"Aboutform"};
  layout.border = gui::BorderStyle::Dialog;
  layout.clientWidth = 359;
  layout.clientHeight = 151;
  return layout;
}

const std::wstring kProductText =
    L"Kovalune Wakespan v1.0\r\nShut down the system at a specified time.\r\nVersion 1.0.0.0\r\n"
    L"\u00a9 2026 Kovalune";

}  // namespace

TAboutform::TAboutform() : FixedForm(AboutformLayout()) {
  using gui::ControlKind;
  gui::BuildControls(*this, {
                                {ControlKind::Button, L"Okbtn", nullptr, L"OK", {281, 9, 75, 25}, 1},
                                {ControlKind::Image, L"Image1", nullptr, L"", {15, 55, 42, 40}, 0},
                                {ControlKind::Label, L"Label1", nullptr, kProductText.c_str(), {80, 9, 190, 52}, 0},
                                {ControlKind::Label, L"Label2", nullptr, L"Freeware.", {80, 64, 190, 13}, 0},
                                {ControlKind::Label, L"Label4", nullptr, L"", {80, 82, 195, 13}, 0},
                                {ControlKind::Label, L"Label3", nullptr, L"", {80, 108, 194, 13}, 0},
                            });
  Okbtn = gui::Find<gui::Button>(*this, L"Okbtn");
  Image1 = gui::Find<gui::Image>(*this, L"Image1");
  Label1 = gui::Find<gui::Label>(*this, L"Label1");
  Label2 = gui::Find<gui::Label>(*this, L"Label2");
  Label3 = gui::Find<gui::Label>(*this, L"Label3");
  Label4 = gui::Find<gui::Label>(*this, L"Label4");
  Image1->Center = true;
  Image1->SetPicture(gui::LoadAlphaBitmap(L"POWER48"));
  Label4->SetCaption(std::wstring(L"Blog: ") + links::kBlogAddress);
  Label3->SetCaption(std::wstring(L"Support Email: ") + links::kSupportAddress);
  for (gui::Label* link : {Label3, Label4}) link->FontColor = RGB(0, 0, 255);
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
    SetCaption(L"About...");
    RequestCentre();
    FixSize(365, 159);
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
