#pragma once
// Field states switched by the mode controls.
#include <vector>

#include "core/fields/form.h"

namespace tharvex::engine {

// Edits become editable inputs (black on window colour) or read-only results
// (blue on button face); any other control is enabled or disabled.
void SetFieldsEditable(const std::vector<Control*>& fields, bool editable);

// For each value control, the label, value and unit controls of its base name
// (the name without its last character, compared ignoring case) are enabled
// or disabled together; an edit among them takes the window colour when
// enabled and the button face when disabled.
void SetQuantitiesEnabled(Form& form, const std::vector<Control*>& fields, bool enabled);

}  // namespace tharvex::engine
