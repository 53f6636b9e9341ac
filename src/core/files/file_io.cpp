#include "core/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/files/file_error.h"

namespace tharvex {

namespace {

struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

std::string Reason(int err) { return std::strerror(err); }

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& file, int64_t maxBytes) {
  Fd f;
  f.fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (f.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw FileError(FileErrorCode::CannotRead, file, "Cannot open file \"" + file + "\". " + Reason(errno));
  }
  struct stat st {};
  if (::fstat(f.fd, &st) != 0)
    throw FileError(FileErrorCode::CannotRead, file, "Cannot open file \"" + file + "\". " + Reason(errno));
  if (S_ISDIR(st.st_mode))
    throw FileError(FileErrorCode::CannotRead, file, "Cannot open file \"" + file + "\". It is a folder.");
  if (st.st_size > maxBytes)
    throw FileError(FileErrorCode::TooLarge, file, "The file \"" + file + "\" is too large to be a project file.");
  std::string data;
  data.reserve(static_cast<size_t>(st.st_size));
  char buf[64 * 1024];
  for (;;) {
    ssize_t got = ::read(f.fd, buf, sizeof buf);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileErrorCode::CannotRead, file, "Cannot read file \"" + file + "\". " + Reason(errno));
    }
    if (got == 0) break;
    data.append(buf, static_cast<size_t>(got));
    // The file may grow while it is read; the bound still holds.
    if (static_cast<int64_t>(data.size()) > maxBytes)
      throw FileError(FileErrorCode::TooLarge, file, "The file \"" + file + "\" is too large to be a project file.");
  }
  return data;
}

void WriteFileAtomic(const std::string& file, std::string_view bytes) {
  auto fail = [&](const std::string& why) -> void {
    throw FileError(FileErrorCode::CannotCreate, file, "Cannot create file \"" + file + "\". " + why);
  };
  namespace fs = std::filesystem;
  fs::path target(file);
  std::error_code ec;
  if (fs::is_directory(target, ec)) fail("It is a folder.");

  // A fresh name beside the target, so the rename stays on one file system.
  std::string temp;
  Fd f;
  for (int attempt = 0; attempt < 100 && f.fd < 0; ++attempt) {
    temp = file + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (f.fd < 0 && errno != EEXIST) fail(Reason(errno));
  }
  if (f.fd < 0) fail("No temporary file could be made beside it.");

  auto abandon = [&](int err) {
    ::close(f.fd);
    f.fd = -1;
    ::unlink(temp.c_str());
    fail(Reason(err));
  };
  // Keep the permissions of the file being replaced.
  struct stat st {};
  if (::stat(file.c_str(), &st) == 0) (void)::fchmod(f.fd, st.st_mode & 07777);

  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t put = ::write(f.fd, p, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      abandon(errno);
    }
    p += put;
    left -= static_cast<size_t>(put);
  }
  if (::fsync(f.fd) != 0) abandon(errno);
  int fd = f.fd;
  f.fd = -1;
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(Reason(err));
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(Reason(err));
  }
}

}  // namespace tharvex
