// The shipped example projects open as a user finds them: no message box, no
// warning unless the example is there to show one, the surplus at or above
// its limit, nothing left to converge, and a heat balance that agrees with a
// hand calculation from the textbook properties typed into each one
// (Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, Tables A.4-A.6).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "core/app/paths.h"
#include "tests/cli_runner.h"

namespace tharvex::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kExamples = std::string(THARVEX_SOURCE_DIR) + "/data/examples/";

struct Example {
  const char* file;
  int calcType;         // CalTypeD: 0 design, 1 rating
  int tubePhase;        // PhtD: 0 liquid, 1 gas, 2 condensing vapour
  const char* warning;  // status panel 1 after opening
  double dutyW;         // hand calculation of the duty
  const char* solved;   // the balance quantity left empty
  double solvedSi;      // its hand-calculated value (heat loss of the casing aside)
};

// Duties: m * cp * dT (or m * latent heat) of the side whose data are complete.
const Example kCases[] = {
    // Water 5 kg/s, cp 4182, 60 -> 45 C; air cp 1007, 30 -> 42 C.
    {"AirCooled-WaterCooler.zrf", 0, 0, "", 5 * 4182.0 * 15, "WsD", 5 * 4182.0 * 15 / (1007 * 12.0)},
    // Steam 0.2 kg/s, latent heat 2257 kJ/kg at 100 C; air cp 1008, 30 -> 70 C.
    {"Steam-Condenser.zrf", 0, 2, "", 0.2 * 2257e3, "WsD", 0.2 * 2257e3 / (1008 * 40.0)},
    // Nitrogen 2 kg/s, cp 1043, 130 -> 55 C; air cp 1007, 30 -> 45 C.
    {"ProcessGas-Cooler.zrf", 0, 1, "", 2 * 1043.0 * 75, "WsD", 2 * 1043.0 * 75 / (1007 * 15.0)},
    // Engine oil 1.5 kg/s, cp 2089, 80 -> 60 C; air 8 kg/s, cp 1007, from 30 C.
    {"Oil-Cooler-Laminar.zrf", 1, 0, "管内流速太低，处于层流区！", 1.5 * 2089.0 * 20, "Ts2D",
     30 + 1.5 * 2089.0 * 20 / (8 * 1007.0)},
    // Humid air 3 kg/s, 30 C, 60 % -> 14 C at 100 kPa. Saturation pressures 4.275 and
    // 1.615 kPa (Table A.6) give humidities 0.01637 and 0.01021 kg/kg; sensible
    // 3 * 1007 * 16 plus condensate 3 * 0.00616 * 2460 kJ/kg; chilled water cp 4193, 7 -> 12 C.
    {"Wet-Cooling-Coil.zrf", 0, 0, "", 3 * 1007.0 * 16 + 3 * 0.00616 * 2460e3, "WtD",
     (3 * 1007.0 * 16 + 3 * 0.00616 * 2460e3) / (4193 * 5.0)},
    // Hot air 2.5 kg/s, cp 1005, 120 -> 60 C cooled by water, cp 4200, 20 -> 30 C.
    {"AirCooler-Example.zrf", 1, 0, "", 2.5 * 1005.0 * 60, "WtD", 2.5 * 1005.0 * 60 / (4200 * 10.0)},
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.file; }

json Open(const std::string& file, bool recalc) {
  std::vector<std::string> args{"--open", kExamples + file};
  if (recalc) args.push_back("--calc");
  args.push_back("--dump");
  CliResult r = RunCli(args);
  EXPECT_EQ(r.status, 0) << file << ": " << r.err;
  return Dumped(r);
}

double Si(const json& d, const std::string& name) {
  const json& c = d["controls"][name];
  return std::stod(c["text"].get<std::string>()) * (c.contains("exchange") ? c["exchange"].get<double>() : 1.0);
}

class ExampleProject : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleProject, OpensCleanConvergedAndBalanced) {
  const Example& e = GetParam();
  const json d = Open(e.file, false);
  ASSERT_TRUE(d.is_object());
  const json& c = d["controls"];
  EXPECT_TRUE(d["messages"].empty()) << d["messages"];
  EXPECT_EQ(d["status"][1], e.warning);
  EXPECT_FALSE(d["resultsStale"].get<bool>());
  EXPECT_EQ(c["CalTypeD"]["itemIndex"], e.calcType);
  EXPECT_EQ(c["PhtD"]["itemIndex"], e.tubePhase);
  // Both sides say what the case is and where its numbers come from.
  EXPECT_FALSE(c["CmtsD"]["lines"].empty());
  EXPECT_FALSE(c["CmttD"]["lines"].empty());

  // Surplus at or above the required one, and shown so (blue, not red).
  EXPECT_GE(Si(d, "CsD"), Si(d, "CsrD"));
  EXPECT_EQ(c["CsD"]["fontColor"], 0xFF0000) << "surplus shown red";

  // The tube duty is the hand calculation; the solved quantity differs from it
  // only by the casing's heat loss to the surroundings (well under 3 %).
  EXPECT_NEAR(std::abs(Si(d, "QtD")), e.dutyW, 0.03 * e.dutyW);
  EXPECT_NEAR(Si(d, e.solved), e.solvedSi, 0.03 * std::abs(e.solvedSi)) << e.solved;

  // A further calculation changes nothing the window shows.
  const json again = Open(e.file, true);
  for (const auto& [name, ctl] : c.items()) {
    if (ctl["kind"] != "TEditD" && ctl["kind"] != "TEdit") continue;
    EXPECT_EQ(again["controls"][name]["text"], ctl["text"]) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleProject, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n = info.param.file;
  n = n.substr(0, n.find('.'));
  for (char& ch : n)
    if (ch == '-') ch = '_';
  return n;
});

TEST(ExampleProjects, EachShowsWhatItIsThereFor) {
  // Oil: laminar by its Reynolds number (density 858, viscosity 0.0476, bore 21.2 mm).
  const json oil = Open("Oil-Cooler-Laminar.zrf", false);
  EXPECT_LT(858 * Si(oil, "UtD") * 0.0212 / 0.0476, 2300);
  // Steam condenses from dry vapour to liquid at one temperature.
  const json steam = Open("Steam-Condenser.zrf", false);
  EXPECT_EQ(steam["controls"]["Xt1D"]["text"], "1.0");
  EXPECT_EQ(steam["controls"]["Xt2D"]["text"], "0.0");
  EXPECT_EQ(Si(steam, "Tt1D"), Si(steam, "Tt2D"));
  // Wet coil: the air gives up more than its sensible heat, the rest is condensate.
  const json wet = Open("Wet-Cooling-Coil.zrf", false);
  EXPECT_TRUE(wet["controls"]["CBWater"]["checked"].get<bool>());
  EXPECT_GT(std::abs(Si(wet, "QsD")), 1.5 * 3 * 1007.0 * 16);
}

TEST(ExampleProjects, EveryShippedFileIsCheckedAndCopiedOnFirstStart) {
  std::set<std::string> listed;
  for (const Example& e : kCases) listed.insert(e.file);
  std::set<std::string> shipped;
  for (const auto& f : fs::directory_iterator(kExamples)) shipped.insert(f.path().filename().string());
  EXPECT_EQ(shipped, listed);

  // First start: every example lands in the projects folder; a user's own
  // file of the same name stays as it is.
  const fs::path root = fs::path(::testing::TempDir()) / ("examples_first_start_" + std::to_string(::getpid()));
  fs::remove_all(root);
  AppPaths paths;
  paths.supportsDir = (root / "Supports").string();
  paths.projectsDir = (root / "Projects").string();
  fs::create_directories(paths.projectsDir);
  { std::ofstream(fs::path(paths.projectsDir) / "Steam-Condenser.zrf") << "mine"; }
  EXPECT_TRUE(PrepareFolders(paths, std::string(THARVEX_SOURCE_DIR) + "/data").empty());
  for (const std::string& f : shipped) EXPECT_TRUE(fs::exists(fs::path(paths.projectsDir) / f)) << f;
  EXPECT_EQ(fs::file_size(fs::path(paths.projectsDir) / "Steam-Condenser.zrf"), 4u);
  fs::remove_all(root);
}

}  // namespace
}  // namespace tharvex::testing
