#include "core/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
  f.fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (f.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw FileError(FileErrorCode::CannotRead, file, "Cannot open file \"" + file + "\". " + Reason(errno));
  }
  struct stat st {};
  if (::fstat(f.fd, &st) != 0)
    throw FileError(FileErrorCode::CannotRead, file, "Cannot open file \"" + file + "\". " + Reason(errno));
  // Only a regular file has an end to read to: a FIFO, a device or a folder
  // is no file of ours.
  if (!S_ISREG(st.st_mode))
    throw FileError(FileErrorCode::NotRegular, file,
                    "The file \"" + file + "\" is damaged: it is not a regular file" +
                        (S_ISDIR(st.st_mode) ? " but a folder." : " (a device, a FIFO or a socket)."));
  (void)::fcntl(f.fd, F_SETFL, ::fcntl(f.fd, F_GETFL) & ~O_NONBLOCK);
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

}  // namespace tharvex
