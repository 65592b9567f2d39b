// The skin provider of a framework form: subclasses the form through its
// replaceable message handler, paints the frame and client background from
// the window-sized cache, cuts the window's corners with a region and owns
// the adapter that wraps the form's controls.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "platform/gui/Control.h"
#include "platform/gui/Handles.h"
#include "skin/frame/sFrameClicks.h"
#include "skin/frame/sFrameRegion.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sTitleButtonStates.h"
#include "skin/paint/sControlLinks.h"
#include "skin/win32/frame/BlindWindow.h"
#include "skin/win32/frame/TacSBAnimation.h"
#include "skin/win32/frame/TsSystemMenu.h"
#include "skin/win32/manager/SkinFactories.h"

namespace gui {
class Form;
}

namespace wakespan {

class TsSkinManager;
class TacCtrlAdapter;

class TsSkinProvider : public SkinAttachment, public TsSkinOwner {
 public:
  TsSkinProvider(gui::Form& form, TsSkinManager& manager);
  ~TsSkinProvider() override;
  TsSkinProvider(const TsSkinProvider&) = delete;
  TsSkinProvider& operator=(const TsSkinProvider&) = delete;

  bool Skinned() const { return skinned_; }
  const TsFrameCache& Cache() const { return cache_; }
  // The fade of the button of a hit code; null while it has none.
  const TacSBAnimation* Fade(uint32_t hitCode) const;
  int HotCode() const { return currentHT_; }

  // TsSkinOwner
  Kind LinkKind() const override { return Kind::Window; }
  intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  TColor OwnColor() const override;
  bool IsFormProvider() const override { return true; }
  Size ControlSize() const override;
  Point Position() const override { return Point{}; }
  bool IsShowing() const override;
  bool IsDestroyingOrLoading() const override { return false; }
  void InvalidateControl() override;
  void RedrawWindow(uint32_t flags) override;
  TacControlLink* Parent() const override { return nullptr; }

 private:
  // Subclassing and the message table.
  void Handle(gui::Message& message);
  void Default(gui::Message& message) { previous_(message); }
  bool HandleEngineCommand(gui::Message& message);
  void HandleWhileSkinned(gui::Message& message);

  // Binding to the skin and letting it go.
  void PrepareForm();
  void UpdateSysMenuStyle(bool active);
  void RemoveSkin();
  void EnsureAdapter();
  gui::MessageHandler previous_;

  // Painting.
  TsFrameScene Scene() const;
  void Render();
  void BlitFrame(HDC dc);
  void PaintFrame();
  void PaintClient(gui::Message& message);
  void PrintWindowInto(HDC dc);
  void RepaintFrameNow();
  void DrawIcon(Bitmap& cache, Rect where) const;

  // Title buttons and the system menu.
  bool HandleFrameMouse(gui::Message& message);
  void AnswerHitTest(gui::Message& message);
  void CarryClick(const TsClickAction& action, gui::Message& message);
  void AfterSysCommand(gui::Message& message);
  void SetHotCode(int code, bool repaint);
  void PressTitleButton(int code);
  void RepaintTitleButtons(const TsButtonCodes& codes);
  void RepaintTitleButton(int code);
  void DropSysMenu(TsMenuDrop where);
  void StopFades();
  TsTitleButtonStates ButtonStates();
  std::unique_ptr<TacSBAnimation>* FadeSlot(uint32_t hitCode);  // null for no title button
  Point MouseInWindow() const;

  // The window region.
  void ApplyFrameRegion();
  void RemoveRegion();

  HWND Window() const;

  gui::Form& form_;
  TsSkinManager& manager_;
  TsFrameCache cache_;
  std::unique_ptr<TacCtrlAdapter> adapter_;
  gui::OwnedFont captionFont_;
  BlindWindow blind_;
  bool skinned_ = false;
  bool haveSysMenu_ = false;
  bool formActive_ = true;
  bool inMenu_ = false;
  int lockCount_ = 0;
  uint32_t ctrlSkinState_ = 0;
  int currentHT_ = 0;  // the hot or pressed button's code; 0 none, -1 a sizing border
  std::array<std::unique_ptr<TacSBAnimation>, 4> fades_;  // minimize, maximize, close, help
  TsSystemMenu systemMenu_;
  // The region step: the region last applied, and whether one is being
  // applied right now (a repaint it causes must not apply it again).
  bool rgnChanged_ = true;
  bool rgnChanging_ = false;
  bool haveRegion_ = false;
  TsFrameRegion appliedRegion_;
};

// Makes the hook give every qualifying form a provider.
void RegisterFormProvider();

}  // namespace wakespan
