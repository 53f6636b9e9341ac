#pragma once
#include <nlohmann/json.hpp>

#include "core/fields/form.h"

namespace tharvex::cli {

// The state of every control, the status panels, the messages shown and the
// message pane, as one JSON object.
nlohmann::json DumpForm(const Form& form, const std::vector<Message>& messages);

}  // namespace tharvex::cli
