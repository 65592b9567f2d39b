#pragma once
// The about window: product, version and the links to the blog and the
// support mailbox. Shown modally; OK closes it.
#include "platform/gui/GraphicControls.h"
#include "platform/gui/StdControls.h"
#include "windows/FixedForm.h"

class TAboutform : public FixedForm {
 public:
  TAboutform();
  bool InitializeThis() override;

  gui::Button* Okbtn;
  gui::Image* Image1;
  gui::Label *Label1, *Label2, *Label3, *Label4;

 private:
  void OkbtnClick();
  void Label3Click();
  void Label4Click();
};
