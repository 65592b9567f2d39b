#include "platform/gui/Layout.h"

#include "platform/gui/GraphicControls.h"
#include "platform/gui/StdControls.h"

namespace gui {

void BuildControls(Form& form, const std::vector<ControlRow>& rows) {
  for (const ControlRow& row : rows) {
    WinControl* parent = row.parent ? Find<WinControl>(form, row.parent) : &form;
    switch (row.kind) {
      case ControlKind::GroupBox: form.Make<GroupBox>(parent, row.name, row.bounds, row.id, row.caption); break;
      case ControlKind::CheckBox: form.Make<CheckBox>(parent, row.name, row.bounds, row.id, row.caption); break;
      case ControlKind::RadioButton: form.Make<RadioButton>(parent, row.name, row.bounds, row.id, row.caption); break;
      case ControlKind::Edit: form.Make<Edit>(parent, row.name, row.bounds, row.id); break;
      case ControlKind::Button: form.Make<Button>(parent, row.name, row.bounds, row.id, row.caption); break;
      case ControlKind::BitBtn: form.Make<BitBtn>(parent, row.name, row.bounds, row.id, row.caption); break;
      case ControlKind::Label: form.Make<Label>(parent, row.name, row.bounds, row.caption); break;
      case ControlKind::ProgressBar: form.Make<ProgressBar>(parent, row.name, row.bounds, row.id); break;
      case ControlKind::Image: form.Make<Image>(parent, row.name, row.bounds); break;
    }
  }
}

}  // namespace gui
