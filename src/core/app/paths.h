#pragma once
// Where the program keeps its support files (templates, the property
// library, the settings file) and where it proposes project files.
#include <string>
#include <string_view>
#include <vector>

namespace tharvex {

struct AppPaths {
  std::string appName;      // "Tharvex"; also names the settings file
  std::string configFile;   // the marker file tested beside the program
  std::string supportsDir;  // no trailing slash
  std::string projectsDir;  // no trailing slash
  std::string programDir;   // with a trailing slash
  bool portable = false;

  // The recent-files settings file: supportsDir + "/" + appName + ".ini".
  std::string settingsFile() const;
  std::string supportFile(std::string_view name) const;
};

// What SetupPaths needs from the process, so tests can give their own.
struct PathEnvironment {
  std::string programFile;  // full path of the executable
  std::string xdgDataHome;  // $XDG_DATA_HOME, may be empty
  std::string home;         // $HOME

  static PathEnvironment FromProcess();
};

// The portable layout (both folders are the program's folder) when
// <program>.ini, <program>.opt or <program>.CFG exists beside the program,
// tested in that order, and forceShared is false. Otherwise the per-user
// data folder: $XDG_DATA_HOME (default ~/.local/share) + "/<product>/<app>/
// Supports" and ".../Projects". Creates nothing.
AppPaths SetupPaths(std::string_view product, std::string_view appName, bool forceShared, const PathEnvironment& env);

// The shipped data folder (templates, example project, property library):
// "data" beside the program, "../share/tharvex/data" of an installed
// program, or the source tree's data folder; empty when none exists.
std::string FindDataDir(const std::string& programDir);

// Creates the support and projects folders when missing and copies into
// them the shipped files they lack: templates (*.zrt) and the property
// library "PropLib.cds" into the support folder, example projects (*.zrf)
// into the projects folder. Existing files are never replaced. Returns one
// message per problem (empty when all went well).
std::vector<std::string> PrepareFolders(const AppPaths& paths, const std::string& dataDir);

}  // namespace tharvex
