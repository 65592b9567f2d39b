#pragma once
// Builds a form's controls from a table. Rows come in creation order, which
// is also the tab order within each parent; a parent row precedes its children.
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gui/Form.h"
#include "platform/gui/LayoutTables.h"

namespace gui {

void BuildControls(Form& form, const std::vector<ControlRow>& rows);

// The named component of a form, of the expected class.
template <typename T>
T* Find(Form& form, const std::wstring& name) {
  for (Component* component : form.Components())
    if (component->Name() == name)
      if (auto* typed = dynamic_cast<T*>(component)) return typed;
  throw std::logic_error("missing component in form layout");
}

}  // namespace gui
