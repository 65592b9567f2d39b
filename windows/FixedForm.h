#pragma once
// What every Wakespan window shares: a fixed size that only InitializeThis
// sets, a resize handler that re-runs it, a may-resize query that refuses,
// and drag-to-move by its handles.
#include <functional>

#include "platform/gui/Form.h"

class FixedForm : public gui::Form {
 public:
  explicit FixedForm(const gui::FormLayout& layout);

  // Caption, placement and size; false when any step failed.
  virtual bool InitializeThis() = 0;

 protected:
  // Runs InitializeThis and ends the program when it fails.
  void InitializeOrTerminate();
  // Runs the steps of an InitializeThis: true when none raised an error.
  static bool Attempt(const std::function<void()>& steps);
  // Equal minimum and maximum outer sizes: the window keeps this size.
  void FixSize(int width, int height) { SetConstraints({width, height, width, height}); }
  // Makes a press of the left button on the control move this window.
  void MakeDragHandle(gui::Control& control);
  void FormResize();
  void FormCanResize(int& newWidth, int& newHeight, bool& resize);
  // A left-button press moves the window as if its caption were grabbed.
  void DragToMove(gui::ShiftState shift);
};
