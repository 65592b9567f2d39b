// The wrappers of check boxes (radio buttons too) and group boxes.
#pragma once

#include "skin/win32/controls/TacMainWnd.h"

namespace wakespan {

class TacCheckBoxWnd : public TacMainWnd {
 public:
  TacCheckBoxWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section);
  void acWndProc(gui::Message& m) override;

 protected:
  void OnMouseEnter(gui::Message& m) override;
  void OnMouseLeave(gui::Message& m) override;

 private:
  void AC_WMPaint(HDC dc);
};

class TacGroupBoxWnd : public TacMainWnd {
 public:
  TacGroupBoxWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section);
  void acWndProc(gui::Message& m) override;

 protected:
  void OnCaptionHeightQuery(gui::Message& m) override;

 private:
  // The frame from the cache, then the labels the group box holds.
  void PaintInto(HDC dc);
};

}  // namespace wakespan
