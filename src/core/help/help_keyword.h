#pragma once
// F1 on a field of the main window: which title the help document opens at.
#include <string>
#include <string_view>

#include "core/fields/form.h"

namespace tharvex::help {

// The help keyword for F1 pressed in `control`: the caption of a value
// field's own label; else the caption of the control named like this one with
// its last character replaced by "L" (WsD -> WsL, WsU -> WsL), found ignoring
// case. Empty when neither exists: the front end then shows the field's hint.
std::string HelpKeywordFor(const Form& form, std::string_view control);

}  // namespace tharvex::help
