#pragma once
// Wiring of the tools tab: the exit handlers of its fields.
#include "core/fields/form.h"

namespace tharvex::tools {

// Installs PDExit, HrDExit and MnDExit on the exit events of their fields.
void InstallHandlers(Form& form);

}  // namespace tharvex::tools
