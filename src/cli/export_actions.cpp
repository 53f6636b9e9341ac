// The calculation sheet and the data export on the command line.
#include "cli/registry.h"
#include "core/output/export_data.h"
#include "core/output/sheet.h"

namespace tharvex::cli {

namespace {

using Writer = bool (*)(const Form&, const std::string&, std::string*);

Action DataExport(Writer write, const char* help) {
  return {1,
          [write](Context& ctx, const std::string& path) {
            std::string error;
            if (!write(ctx.model.form(), path, &error)) throw ActionFailed(error);
          },
          help};
}

}  // namespace

void RegisterExportActions(ActionTable& t) {
  t["--sheet-pdf"] = {1,
                      [](Context& ctx, const std::string& path) {
                        std::string error;
                        if (!sheet::ExportSheet(ctx.model, path, &error)) throw ActionFailed(error);
                      },
                      "FILE  write the calculation sheet (计算书) of the window's state as a PDF"};
  t["--export-json"] = DataExport(exportdata::WriteJson, "FILE  export every quantity and the design check as JSON");
  t["--export-csv"] = DataExport(exportdata::WriteCsv, "FILE  export every quantity as CSV (UTF-8)");
  t["--export-xlsx"] = DataExport(exportdata::WriteXlsx, "FILE  export the quantities and the design check as xlsx");
}

}  // namespace tharvex::cli
