// The base of every control wrapper: it takes over a control's messages
// (the framework control's replaceable handler, or the window procedure of
// a plain window), answers the engine's commands from one table, paints
// through the skin data's cache and passes everything else on. A wrapper
// unhooks itself when its window goes and gives the control back its own
// look when the skin is removed.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/gui/Control.h"
#include "skin/controls/sControlView.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sCommonData.h"
#include "skin/win32/controls/TacWindowLink.h"

namespace wakespan {

class TsSkinManager;

// The window property naming the wrapper of a window.
inline constexpr wchar_t kWrapperProperty[] = L"ACSBSC";

// The kind code of controls wrapped through a form's adapter.
inline constexpr int kAdapterKindCode = 227;

class TacMainWnd : public TsSkinOwner {
 public:
  // `skinData` none: the wrapper makes its own. `manager` none: the skin
  // data's (or the default) manager. An empty `section` keeps the data's,
  // else `defaultSection`.
  TacMainWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section,
             const char* defaultSection);
  ~TacMainWnd() override;
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  // Remembers the control's own look and subclasses the window; run once
  // after construction, so the wrappers' own SaveStdParams takes part.
  void Hook();
  // Puts the previous handler back, removes the property and restores the
  // control's look; once only.
  void Unhook();
  bool Destroyed() const { return destroyed_; }

  HWND CtrlHandle() const { return window_; }
  TsCommonData& SkinData() const { return *skinData_; }
  TsSkinManager* SkinManager() const;
  // A manager with an active skin that has the control's section.
  bool Skinned() const;

  // The wrapper recorded on a window.
  static TacMainWnd* FromWindow(HWND window);

  // Every message of the control arrives here: the wrapper's own handling,
  // then the common protocol.
  virtual void acWndProc(gui::Message& m);
  // Hands a message to the previous handler (0 without one).
  void CallPrevWndProc(gui::Message& m);
  LRESULT CallPrev(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // TsSkinOwner.
  Kind LinkKind() const override { return dlgMode_ ? Kind::Window : Kind::Control; }
  intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  TColor OwnColor() const override { return WindowOwnColor(window_); }
  bool IsFormProvider() const override { return false; }
  Size ControlSize() const override;
  Point Position() const override;
  bool IsShowing() const override { return IsWindowVisible(window_) != FALSE; }
  bool IsDestroyingOrLoading() const override { return destroyed_; }
  void InvalidateControl() override { InvalidateRect(window_, nullptr, FALSE); }
  void RedrawWindow(uint32_t flags) override { ::RedrawWindow(window_, nullptr, nullptr, flags); }
  TacControlLink* Parent() const override;

 protected:
  virtual void SaveStdParams() {}
  virtual void RestoreStdParams() {}
  virtual void SetSkinParams() {}

  // The engine's commands, one handler each (see the table in the source).
  virtual void OnSkinChanged(gui::Message& m);
  virtual void OnRemoveSkin(gui::Message& m);
  virtual void OnRepaintSkin(gui::Message& m);
  virtual void OnEndUpdate(gui::Message& m);
  virtual void OnChildMoved(gui::Message& m);
  virtual void OnColorQuery(gui::Message& m);
  virtual void OnRebuildBorder(gui::Message& m);
  virtual void OnMouseEnter(gui::Message& m);
  virtual void OnMouseLeave(gui::Message& m);
  virtual void OnBackgroundQuery(gui::Message& m);
  virtual void OnSectionQuery(gui::Message& m) { CallPrevWndProc(m); }
  virtual void OnCaptionHeightQuery(gui::Message& m) { CallPrevWndProc(m); }

  // Paints the control now from its cache.
  void RepaintNow();
  // Redrawing off around `handle`, then painted from the cache.
  template <typename Handle>
  void Quietly(Handle handle) {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    handle();
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RepaintNow();
  }
  // What the painting needs to know of the control now.
  TacControlView ControlView() const;
  // The parent's background under the control.
  TCacheInfo ParentBackground() const { return ParentCacheInfo(*skinData_); }
  void UpdateGeometry();
  // The manager's active control is this window.
  bool IsActiveControl() const;
  void MakeActiveControl(bool active);

  bool dlgMode_ = false;
  std::wstring caption_;
  RECT wndRect_{};
  SIZE wndSize_{};
  POINT wndPos_{};
  HWND parentWnd_ = nullptr;

 private:
  friend LRESULT CALLBACK WrapperWindowProc(HWND, UINT, WPARAM, LPARAM);
  // The common protocol every wrapper ends in.
  void CommonWndProc(gui::Message& m);
  // Answers an engine command: the queries in place, the rest through the
  // command table's handlers; unknown codes go to the previous handler.
  void DispatchEngineCommand(gui::Message& m);
  struct CommandRow;
  static const CommandRow* FindCommand(uint16_t code);

  HWND window_;
  std::unique_ptr<TsCommonData> ownSkinData_;
  TsCommonData* skinData_;
  TsSkinManager* manager_;
  gui::WinControl* framework_;      // the framework control, or none for a plain window
  gui::MessageHandler oldWndProc_;  // the framework control's previous handler
  gui::MessageHandler retired_;     // ours, kept alive past an unhook inside its own call
  WNDPROC oldProc_ = nullptr;       // a plain window's previous procedure
  mutable TacWindowLink parentLink_;
  bool hooked_ = false;
  bool destroyed_ = false;
  bool trackingLeave_ = false;
};

}  // namespace wakespan
