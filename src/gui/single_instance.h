#pragma once
// One running instance per user: a lock file in the runtime folder. A second
// start finds it held, hands its file to the running window and ends.
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

namespace tharvex::gui {

// The per-user runtime folder: $XDG_RUNTIME_DIR, or else a private folder
// "<temp>/Tharvex-<uid>" that is created with mode 0700. An existing one is
// used only when it is a real folder (not a link) of this user that nobody
// else may enter; one of this user's with a wider mode is narrowed to 0700.
// On refusal `error` says why and the result is empty.
std::optional<QString> RuntimeDir(QString* error = nullptr);
// "<runtime folder>/<name>"; empty when there is no safe folder.
QString RuntimePath(const QString& name);

class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);
  // True when this process now holds the lock (it is the first instance).
  bool acquire();
  const QString& path() const { return path_; }

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

// A second start: hands `file` (absolute, or empty) to the instance that
// listens at `servicePath` and waits for it to take it. False when no
// instance answered.
bool HandOver(const QString& servicePath, const QString& file, int timeoutMs = 10000);

}  // namespace tharvex::gui
