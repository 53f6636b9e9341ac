// The language of the driver's output and the unit-symbol option.
#include <filesystem>

#include "cli/registry.h"
#include "core/app/paths.h"
#include "core/fields/i18n.h"
#include "core/files/ts_catalogue.h"

namespace tharvex::cli {

namespace {

// The shipped data folder as the program sees it: beside the program, the
// installed tree's, or the source tree's.
std::string DataDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return FindDataDir(ec ? std::string() : exe.parent_path().string());
}

}  // namespace

void RegisterLanguageActions(ActionTable& t) {
  t["--lang"] = {1,
                 [](Context&, const std::string& lang) {
                   if (lang != "zh" && lang != "en") throw UsageError("--lang expects zh or en, got '" + lang + "'");
                   std::string error;
                   if (!InstallLanguage(DataDir(), lang, &error)) throw ActionFailed(error);
                 },
                 "zh|en  the language of what follows: report, sheet, exports and the dump's *Shown texts"};

  t["--unit-symbols"] = {
      1,
      [](Context&, const std::string& v) {
        if (v != "on" && v != "off") throw UsageError("--unit-symbols expects on or off, got '" + v + "'");
        i18n::SetUnitSymbols(v == "on");
      },
      "on|off  unit names with their symbols (\"°C\", \"W/(m²·K)\"; on) or as stored (\"C\", \"W/(m2.K)\")"};
}

}  // namespace tharvex::cli
