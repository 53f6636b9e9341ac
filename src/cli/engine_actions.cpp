// Actions of the thermal calculation: run it, optimise, write the layout.
#include "cli/registry.h"
#include "core/files/file_error.h"
#include "core/files/safe_write.h"
#include "core/output/tube_layout.h"

namespace tharvex::cli {

void RegisterEngineActions(ActionTable& t) {
  t["--calc"] = {0, [](Context& ctx, const std::string&) { ctx.model.Calculate(nullptr); },
                 "run the calculation, as opening the drawing tab does"};

  t["--optimise"] = {0,
                     [](Context& ctx, const std::string&) {
                       Control& button = NeedControl(ctx.model.form(), "tbOpt1");
                       if (!button.enabled())
                         throw UsageError("control 'tbOpt1' is disabled (the optimiser needs the design mode)");
                       ctx.model.Optimise(&button);
                     },
                     "run the optimiser (design mode)"};

  t["--layout-svg"] = {1,
                       [](Context& ctx, const std::string& path) {
                         try {
                           SafeWriteFile(path, layout::ToSvg(ctx.model.engine().drawing()));
                         } catch (const FileError& e) {
                           throw ActionFailed(e.what());
                         }
                       },
                       "FILE  write the last tube layout drawing as SVG"};
}

}  // namespace tharvex::cli
