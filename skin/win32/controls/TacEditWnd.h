// The edit wrapper: the skin draws the edit's non-client frame; the client
// area stays the edit's own, in colours taken from the skin. The other
// wrappers of the class tree build on it and the common protocol.
#pragma once

#include "skin/win32/controls/TacMainWnd.h"

namespace wakespan {

class TacScrollWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};

class TacBaseWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;
};

class TacEditWnd : public TacBaseWnd {
 public:
  TacEditWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section);
  void acWndProc(gui::Message& m) override;

  TColor Color = 0, FocusColor = 0, FrameColor = 0;

 protected:
  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;
  void OnRepaintSkin(gui::Message& m) override;
  void OnSectionQuery(gui::Message& m) override;
  void OnRebuildBorder(gui::Message& m) override;
  void OnMouseEnter(gui::Message& m) override;
  void OnMouseLeave(gui::Message& m) override;

 private:
  void PaintFrame();
  void RefreshFrame();
  bool paramsSet_ = false;
  COLORREF stdColor_ = CLR_INVALID, stdFontColor_ = CLR_INVALID;
};

}  // namespace wakespan
