// The calculation report on the command line: as plain text, or as the RTF
// report file.
#include "cli/registry.h"
#include "core/app/report_commands.h"
#include "core/output/report.h"
#include "core/output/rtf_writer.h"

namespace tharvex::cli {

void RegisterReportActions(ActionTable& t) {
  t["--report"] = {0,
                   [](Context& ctx, const std::string&) {
                     for (const auto& line : report::MOReportClick(ctx.model)) ctx.out << line.text << "\n";
                   },
                   "build the calculation report and print it, one line per report line"};

  t["--report-rtf"] = {1,
                       [](Context& ctx, const std::string& path) {
                         auto lines = report::MOReportClick(ctx.model);
                         auto result = report::SaveReportRtf(path, lines);
                         if (!result.ok) throw ActionFailed(result.message);
                       },
                       "FILE  build the calculation report and write it as an RTF document"};
}

}  // namespace tharvex::cli
