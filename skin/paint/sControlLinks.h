// What painting needs of the windows and controls it serves: the parent a
// background query goes to, and the owner of a control's skin data. The
// Win32 control wrappers implement these; tests implement them by hand.
#pragma once

#include <cstdint>

#include "skin/data/sSkinData.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

// A window or control that painting sends messages to.
class TacControlLink {
 public:
  enum class Kind : uint8_t { Window, Control };

  virtual ~TacControlLink() = default;
  virtual Kind LinkKind() const = 0;
  // SendMessageW to its window; a control without a window (or whose window
  // does not exist yet) gets the message through its own handler.
  virtual intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  // Its own colour property, as set (a system colour stays negative).
  virtual TColor OwnColor() const = 0;
};

// The control, form or bare window a TsCommonData serves.
class TsSkinOwner : public TacControlLink {
 public:
  // A form's skin provider rather than a control.
  virtual bool IsFormProvider() const = 0;
  virtual Size ControlSize() const = 0;
  // Top-left inside the parent's client area.
  virtual Point Position() const = 0;
  virtual bool IsShowing() const = 0;
  virtual bool IsDestroyingOrLoading() const = 0;
  virtual void InvalidateControl() = 0;
  virtual void RedrawWindow(uint32_t flags) = 0;
  // The parent control, or for a bare window its parent window; null when
  // there is none.
  virtual TacControlLink* Parent() const = 0;
};

}  // namespace wakespan
