#include "windows/FixedForm.h"

#include "platform/gui/Application.h"

FixedForm::FixedForm(const gui::FormLayout& layout) : gui::Form(layout) {
  OnResize = [this] { FormResize(); };
  OnCanResize = [this](int& w, int& h, bool& resize) { FormCanResize(w, h, resize); };
}

void FixedForm::InitializeOrTerminate() {
  if (!InitializeThis()) gui::Application::Instance().Terminate();
}

bool FixedForm::Attempt(const std::function<void()>& steps) {
  try {
    steps();
    return true;
  } catch (...) {
    return false;
  }
}

void FixedForm::FormResize() { InitializeThis(); }

void FixedForm::FormCanResize(int&, int&, bool& resize) { resize = false; }

void FixedForm::MakeDragHandle(gui::Control& control) {
  control.OnMouseDown = [this](gui::Control&, gui::MouseButton, gui::ShiftState shift, int, int) {
    DragToMove(shift);
  };
}

void FixedForm::DragToMove(gui::ShiftState shift) {
  if (!shift.left) return;
  ReleaseCapture();
  SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);  // SC_MOVE + HTCAPTION: the system's move loop
}
