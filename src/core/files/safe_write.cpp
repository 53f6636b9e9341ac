#include "core/files/safe_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/files/file_error.h"

namespace tharvex {

namespace {

[[noreturn]] void Refuse(const std::string& file, const std::string& why) {
  throw FileError(FileErrorCode::CannotCreate, file, "Cannot create file \"" + file + "\". " + why, why);
}

std::string Reason(int err) { return std::strerror(err); }

struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// Folder and name of a path; "a" gives (".", "a"), "/a" gives ("/", "a").
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  return dir == "/" ? "/" + name : dir + "/" + name;
}

// A file nobody may write: refused even where the system would let us (root).
bool ReadOnly(const std::string& path, const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return true;
  if (::access(path.c_str(), W_OK) != 0) return errno == EACCES || errno == EROFS || errno == EPERM;
  return false;
}

bool ProcessGone(long pid) {
  if (pid <= 0 || pid > INT_MAX) return true;
  if (pid == ::getpid()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files that saves killed half-way left in `dir`. Only
// our own regular files of a process that is gone; never fails a save.
void RemoveStaleTemporaries(const std::string& dir) {
  std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(dir.c_str()), ::closedir);
  if (!d) return;
  const int dfd = ::dirfd(d.get());
  while (const dirent* e = ::readdir(d.get())) {
    long pid = 0;
    if (!IsSafeWriteTemporary(e->d_name, &pid) || !ProcessGone(pid)) continue;
    struct stat st {};
    if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    (void)::unlinkat(dfd, e->d_name, 0);
  }
}

std::atomic<unsigned> tempCounter{0};

}  // namespace

bool IsSafeWriteTemporary(std::string_view name, long* pid) {
  // "<name>.~<digits>-<digits>.tmp"
  constexpr std::string_view kEnd = ".tmp";
  if (name.size() <= kEnd.size() || name.substr(name.size() - kEnd.size()) != kEnd) return false;
  name.remove_suffix(kEnd.size());
  size_t mark = name.rfind(".~");
  if (mark == std::string_view::npos) return false;
  std::string_view numbers = name.substr(mark + 2);
  size_t dash = numbers.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == numbers.size() || dash > 10) return false;
  for (size_t i = 0; i < numbers.size(); ++i)
    if (i != dash && (numbers[i] < '0' || numbers[i] > '9')) return false;
  if (pid) *pid = std::strtol(std::string(numbers.substr(0, dash)).c_str(), nullptr, 10);
  return true;
}

std::string CheckSaveTarget(const std::string& file) {
  if (file.empty()) Refuse(file, "No file name was given.");
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0) {
    if (errno == ENOENT) return file;  // a new file; the folder is checked when the file is made
    Refuse(file, Reason(errno));
  }
  std::string target = file;
  if (S_ISLNK(st.st_mode)) {
    // Saved through: the file the link names is written, the link stays.
    std::unique_ptr<char, void (*)(void*)> real(::realpath(file.c_str(), nullptr), std::free);
    if (!real || ::stat(real.get(), &st) != 0) Refuse(file, "It is a symbolic link that names no existing file.");
    target = real.get();
  }
  if (S_ISDIR(st.st_mode)) Refuse(file, "It is a folder.");
  if (!S_ISREG(st.st_mode)) Refuse(file, "It is not a regular file (a device, a FIFO or a socket).");
  if (ReadOnly(target, st)) Refuse(file, "The file is read-only.");
  return target;
}

void SafeWriteFile(const std::string& file, std::string_view bytes) {
  const std::string target = CheckSaveTarget(file);
  auto [dir, name] = SplitPath(target);
  if (name.empty()) Refuse(file, "It is a folder.");
  RemoveStaleTemporaries(dir);

  // A fresh name beside the target, so the rename stays on one file system.
  // O_EXCL with O_NOFOLLOW: nothing planted under that name is followed.
  const std::string stem = name.size() > 200 ? name.substr(0, 200) : name;
  std::string temp;
  Fd f;
  for (int attempt = 0; attempt < 100 && f.fd < 0; ++attempt) {
    temp = JoinPath(dir, stem + ".~" + std::to_string(::getpid()) + "-" + std::to_string(tempCounter++) + ".tmp");
    f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (f.fd < 0 && errno != EEXIST) Refuse(file, Reason(errno));
  }
  if (f.fd < 0) Refuse(file, "No temporary file could be made beside it.");

  auto abandon = [&](int err) {
    ::close(f.fd);
    f.fd = -1;
    ::unlink(temp.c_str());
    Refuse(file, Reason(err));
  };
  // Keep the permissions of the file being replaced.
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) (void)::fchmod(f.fd, st.st_mode & 07777);

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
    Refuse(file, Reason(err));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    Refuse(file, Reason(err));
  }
  // The new name itself is made durable with the folder.
  Fd folder;
  folder.fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder.fd >= 0) (void)::fsync(folder.fd);
}

}  // namespace tharvex
