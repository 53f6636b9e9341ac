#pragma once
// One running instance per user: a lock file in the runtime folder. A second
// start finds it held and ends at once.
#include <QLockFile>
#include <QString>
#include <memory>

namespace tharvex::gui {

// The per-user runtime folder: $XDG_RUNTIME_DIR, or the temporary folder
// when that is unset. `name` is appended: "<runtime>/<name>", or without
// XDG_RUNTIME_DIR "<temp>/<name>-<uid>".
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

}  // namespace tharvex::gui
