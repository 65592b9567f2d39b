#include "windows/layouts/CountDownLayout.h"

using gui::ControlKind;

gui::FormLayout CountDownformLayout() {
  gui::FormLayout layout{L"TCountDownform", L"CountDownform", L"CountDownform"};
  layout.border = gui::BorderStyle::Dialog;
  layout.borderIcons = false;
  layout.clientWidth = 348;
  layout.clientHeight = 91;
  return layout;
}

const std::vector<gui::ControlRow>& CountDownformRows() {
  static const std::vector<gui::ControlRow> rows = {
      {ControlKind::Label, L"Label1", nullptr, L"", {0, 0, 348, 13}, 0},
      {ControlKind::ProgressBar, L"ProgressBar1", nullptr, L"", {8, 23, 335, 26}, 100},
      {ControlKind::BitBtn, L"Cancelbtn", nullptr, L"  Cancel   ", {129, 55, 91, 33}, 101},
  };
  return rows;
}
