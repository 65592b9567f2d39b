#pragma once
// The tables windows are built from: a form's frame and size, its controls
// and its menus. Plain data, so that tools on any platform read the same
// tables the program builds its windows from.
#include <string>

#include "platform/gui/Geometry.h"

namespace gui {

enum class BorderStyle {
  None,    // no frame, no caption
  Single,  // fixed frame with caption and border icons
  Dialog,  // dialog frame
};

struct FormLayout {
  const wchar_t* className;  // also the window class name, e.g. L"TMainform"
  const wchar_t* name;       // e.g. L"Mainform"
  std::wstring caption;
  BorderStyle border = BorderStyle::Single;
  bool borderIcons = true;  // system menu (and, for Single, minimise and maximise)
  int clientWidth = 0, clientHeight = 0;
};

enum class ControlKind { GroupBox, CheckBox, RadioButton, Edit, Button, BitBtn, Label, ProgressBar, Image };

struct ControlRow {
  ControlKind kind;
  const wchar_t* name;
  const wchar_t* parent;  // nullptr: the form itself
  const wchar_t* caption;
  Bounds bounds;
  int id;  // control id of windowed controls
};

// One row of a menu table: depth 0 items are top-level, deeper ones belong to
// the nearest shallower item above them. A caption of "-" is a separator.
struct MenuRow {
  int depth;
  const wchar_t* name;
  const wchar_t* caption;
  int imageIndex;  // -1: no picture
};

}  // namespace gui
