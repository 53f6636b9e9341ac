#include "core/tools/install.h"

#include "core/tools/humid_air.h"
#include "core/tools/segmentation.h"

namespace tharvex::tools {

void InstallHandlers(Form& form) {
  auto wire = [&form](std::initializer_list<const char*> names, void (*handler)(Form&)) {
    for (const char* name : names) form.At(name).onExit = [&form, handler](Control*) { handler(form); };
  };
  wire({"PD", "ywD", "tD", "HD"}, PDExit);
  wire({"ywrD", "trD", "HaD", "HrD", "PaD"}, HrDExit);
  wire({"Tt0D", "TtnD", "Ts0D", "TsnD", "MnD"}, MnDExit);
}

}  // namespace tharvex::tools
