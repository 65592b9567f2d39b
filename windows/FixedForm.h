#pragma once
// What every Wakespan window shares: a fixed size that only InitializeThis
// sets, a resize handler that re-runs it, a may-resize query that refuses,
// and drag-to-move by its handles.
#include "platform/gui/Form.h"

class FixedForm : public gui::Form {
 public:
  explicit FixedForm(const gui::FormLayout& layout);

  // Caption, placement and size; false when any step failed.
  virtual bool InitializeThis() = 0;

 protected:
  // Runs InitializeThis and ends the program when it fails.
  void InitializeOrTerminate();
  // Makes a press of the left button on the control move this window.
  void MakeDragHandle(gui::Control& control);
  void FormResize();
  void FormCanResize(int& newWidth, int& newHeight, bool& resize);
  // A left-button press moves the window as if its caption were grabbed.
  void DragToMove(gui::ShiftState shift);
};
