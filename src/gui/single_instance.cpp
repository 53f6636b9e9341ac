#include "gui/single_instance.h"

#include <QDir>
#include <unistd.h>

namespace tharvex::gui {

QString RuntimePath(const QString& name) {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return QString::fromLocal8Bit(runtime) + QLatin1Char('/') + name;
  return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(getuid());
}

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath) {}

bool SingleInstance::acquire() {
  lock_ = std::make_unique<QLockFile>(path_);
  // The lock is stale only when its process is gone, never because of its age.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

}  // namespace tharvex::gui
