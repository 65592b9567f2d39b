#include "windows/layouts/MainLayout.h"

using gui::ControlKind;

gui::FormLayout MainformFormLayout() {
  gui::FormLayout layout{L"TMainform", L"Mainform", L"Mainform"};
  layout.border = gui::BorderStyle::Single;
  layout.clientWidth = 351;
  layout.clientHeight = 362;
  return layout;
}

const std::vector<gui::ControlRow>& MainformLayout() {
  static const std::vector<gui::ControlRow> rows = {
      {ControlKind::GroupBox, L"MainBox", nullptr, L"Wakespan Settings:", {2, 5, 343, 332}, 100},
      {ControlKind::GroupBox, L"GroupBox1", L"MainBox", L"General Settings:", {18, 23, 311, 74}, 101},
      {ControlKind::CheckBox, L"RunCheck", L"GroupBox1", L"Run At StartUp.", {8, 24, 97, 17}, 102},
      {ControlKind::CheckBox, L"CountDownCheck", L"GroupBox1", L"Show CountDown.", {169, 24, 112, 17}, 103},
      {ControlKind::CheckBox, L"ProtectCheck", L"GroupBox1", L"Protect with password.", {8, 49, 137, 17}, 104},
      {ControlKind::Button, L"Applybtn", L"MainBox", L"Apply", {138, 299, 91, 25}, 119},
      {ControlKind::Button, L"OKbtn", L"MainBox", L"OK", {238, 299, 75, 25}, 120},
      {ControlKind::Button, L"SetPassbtn", L"MainBox", L"Set Password", {35, 299, 93, 25}, 118},
      {ControlKind::GroupBox, L"GroupBox2", L"MainBox", L"Action:", {18, 203, 311, 90}, 111},
      {ControlKind::RadioButton, L"ShutR", L"GroupBox2", L"Shut down Windows.", {8, 20, 121, 17}, 112},
      {ControlKind::RadioButton, L"RebootR", L"GroupBox2", L"Reboot.", {8, 43, 65, 17}, 113},
      {ControlKind::RadioButton, L"LogoffR", L"GroupBox2", L"Log off current user.", {8, 66, 121, 17}, 114},
      {ControlKind::RadioButton, L"CloseR", L"GroupBox2", L"Close Application.", {182, 43, 113, 17}, 115},
      {ControlKind::RadioButton, L"NoR", L"GroupBox2", L"Do nothing.", {182, 66, 77, 17}, 116},
      {ControlKind::RadioButton, L"HiberR", L"GroupBox2", L"Hibernate.", {182, 20, 77, 17}, 117},
      {ControlKind::GroupBox, L"GroupBox3", L"MainBox", L"Action Time:", {18, 103, 311, 95}, 105},
      {ControlKind::Edit, L"ActionWakespan", L"GroupBox3", L"", {17, 65, 112, 21}, 107},
      {ControlKind::CheckBox, L"SetActCheck", L"GroupBox3", L"Set Action Time:", {8, 20, 100, 17}, 106},
      {ControlKind::Edit, L"ActionTime", L"GroupBox3", L"", {163, 65, 112, 21}, 109},
      {ControlKind::Button, L"Helpbtn", L"GroupBox3", L"?", {274, 65, 25, 21}, 110},
      {ControlKind::Button, L"helpUpbtn", L"GroupBox3", L"?", {129, 65, 25, 21}, 108},
      {ControlKind::Label, L"Label2", L"GroupBox3", L"At This Wakespan:", {17, 48, 75, 13}, 0},
      {ControlKind::Label, L"Label1", L"GroupBox3", L"At This Time:", {163, 46, 62, 13}, 0},
  };
  return rows;
}
