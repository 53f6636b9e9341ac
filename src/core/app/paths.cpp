#include "core/app/paths.h"

#include "core/help/build_info.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tharvex {

namespace fs = std::filesystem;

std::string AppPaths::settingsFile() const { return supportFile(appName + ".ini"); }

std::string AppPaths::supportFile(std::string_view name) const { return supportsDir + "/" + std::string(name); }

PathEnvironment PathEnvironment::FromProcess() {
  PathEnvironment env;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  env.programFile = ec ? std::string("tharvex") : exe.string();
  if (const char* x = std::getenv("XDG_DATA_HOME")) env.xdgDataHome = x;
  if (const char* h = std::getenv("HOME")) env.home = h;
  return env;
}

AppPaths SetupPaths(std::string_view product, std::string_view appName, bool forceShared, const PathEnvironment& env) {
  AppPaths p;
  p.appName = std::string(appName);
  fs::path program(env.programFile);
  std::string folder = program.parent_path().string();
  p.programDir = folder + "/";

  // The marker beside the program: the first of .ini, .opt, .CFG that exists
  // as a file (a folder of that name does not count), else the .CFG name.
  std::error_code ec;
  auto isFile = [&ec](const fs::path& f) { return fs::exists(f, ec) && !fs::is_directory(f, ec); };
  for (const char* ext : {".ini", ".opt", ".CFG"}) {
    fs::path marker = program;
    marker.replace_extension(ext);
    p.configFile = marker.string();
    if (isFile(marker)) break;
  }
  if (isFile(p.configFile) && !forceShared) {
    p.portable = true;
    p.supportsDir = folder;
    p.projectsDir = folder;
    return p;
  }
  // The XDG rule: a relative $XDG_DATA_HOME is ignored.
  std::string base = env.xdgDataHome;
  if (base.empty() || base.front() != '/') base = (env.home.empty() ? std::string("/tmp") : env.home) + "/.local/share";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  std::string root = base + "/" + std::string(product) + "/" + std::string(appName);
  p.supportsDir = root + "/Supports";
  p.projectsDir = root + "/Projects";
  return p;
}

std::string FindDataDir(const std::string& programDir) {
  std::error_code ec;
  fs::path dir(programDir);
  std::vector<fs::path> candidates{dir / "data", dir / ".." / "share" / "tharvex" / "data"};
  candidates.emplace_back(BuildDataDir());
  for (const auto& c : candidates)
    if (fs::is_directory(c, ec)) return fs::weakly_canonical(c, ec).string();
  return {};
}

namespace {

enum class Target { None, Supports, Projects };

Target TargetOf(const fs::path& file) {
  std::string name = file.filename().string();
  std::string ext = file.extension().string();
  for (char& ch : ext)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  if (name == "PropLib.cds" || ext == ".zrt") return Target::Supports;
  if (ext == ".zrf") return Target::Projects;
  return Target::None;
}

}  // namespace

std::vector<std::string> PrepareFolders(const AppPaths& paths, const std::string& dataDir) {
  std::vector<std::string> problems;
  std::error_code ec;
  for (const std::string& d : {paths.supportsDir, paths.projectsDir}) {
    fs::create_directories(d, ec);
    if (ec) problems.push_back("Cannot create folder \"" + d + "\". " + ec.message());
  }
  if (dataDir.empty() || !fs::is_directory(dataDir, ec)) return problems;

  // Shipped files sit in the data folder or one level below it.
  fs::recursive_directory_iterator it(dataDir, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code e1;
    if (it->is_directory(e1)) {
      if (it.depth() >= 1) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(e1)) continue;
    Target t = TargetOf(it->path());
    if (t == Target::None) continue;
    fs::path dest = fs::path(t == Target::Supports ? paths.supportsDir : paths.projectsDir) / it->path().filename();
    std::error_code e2;
    if (fs::exists(dest, e2)) continue;
    fs::copy_file(it->path(), dest, fs::copy_options::skip_existing, e2);
    if (e2)
      problems.push_back("Cannot copy \"" + it->path().string() + "\" to \"" + dest.string() + "\". " + e2.message());
  }
  if (ec) problems.push_back("Cannot read folder \"" + dataDir + "\". " + ec.message());
  return problems;
}

}  // namespace tharvex
