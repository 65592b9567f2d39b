#pragma once
// The about window: product, version and links.
#include "windows/FixedForm.h"

class TAboutform : public FixedForm {
 public:
  TAboutform();
  bool InitializeThis() override;
};
