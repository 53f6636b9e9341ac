#include "core/output/export_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "core/files/file_error.h"
#include "core/files/file_io.h"

namespace tharvex::exportdata {

namespace {

constexpr int64_t kMaxExport = int64_t{1} << 30;

// An exclusive temporary file in the system's temporary folder; empty when
// none can be made.
std::string MakeTempFile() {
  std::error_code ec;
  std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
  if (ec) dir = "/tmp";
  std::string pattern = (dir / "tharvex-export-XXXXXX").string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return {};
  ::close(fd);
  return pattern;
}

}  // namespace

bool WriteBytesSafely(const std::string& path, std::string_view bytes, std::string* error) {
  try {
    WriteFileAtomic(path, bytes);
    return true;
  } catch (const FileError& e) {
    if (error) *error = e.what();
    return false;
  }
}

bool WriteThroughTempFile(const std::string& path,
                          const std::function<bool(const std::string& temp, std::string* error)>& produce,
                          std::string* error) {
  const std::string temp = MakeTempFile();
  if (temp.empty()) {
    if (error) *error = "Cannot create file \"" + path + "\". No temporary file.";
    return false;
  }
  bool ok = produce(temp, error);
  if (ok) {
    try {
      auto bytes = ReadWholeFile(temp, kMaxExport);
      ok = bytes && WriteBytesSafely(path, *bytes, error);
      if (!bytes && error) *error = "Cannot create file \"" + path + "\".";
    } catch (const FileError& e) {
      if (error) *error = e.what();
      ok = false;
    }
  }
  std::remove(temp.c_str());
  return ok;
}

}  // namespace tharvex::exportdata
