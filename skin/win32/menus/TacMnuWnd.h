// The wrapper of a popup menu window: it answers the engine's commands,
// paints the window from the skin until the menu's items paint it, cuts
// nothing itself, and on its end gives the window its own procedure back
// and drops the menus' prepared backgrounds.
#pragma once

#include <windows.h>

#include <string>

#include "skin/data/sSkinManager.h"
#include "skin/win32/manager/SkinFactories.h"

namespace wakespan {

class TacMnuWnd : public SkinAttachment {
 public:
  TacMnuWnd(HWND window, TsSkinManager& manager, std::string section);
  ~TacMnuWnd() override;
  TacMnuWnd(const TacMnuWnd&) = delete;
  TacMnuWnd& operator=(const TacMnuWnd&) = delete;

  // The wrapper of a window; null when it has none.
  static TacMnuWnd* Of(HWND window);
  // From now on the items paint the window: erasing and the frame paint
  // nothing.
  void ItemsPaintWindow() { itemsPaint_ = true; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT AnswerCommand(WPARAM wParam, LPARAM lParam);
  const Bitmap& OwnCache();
  void PaintBackground(HDC dc);
  void PaintFrame();

  HWND window_;
  TsSkinManager& manager_;
  std::string section_;
  WNDPROC previous_ = nullptr;
  int rgnChanged_ = 0;  // the region was cut since the window was last erased
  bool itemsPaint_ = false;
  Bitmap cache_;  // the window painted with the wrapper's section
};

}  // namespace wakespan
