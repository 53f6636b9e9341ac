#include "gui/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <cerrno>

#include "gui/copydata_service.h"

namespace tharvex::gui {

std::optional<QString> RuntimeDir(QString* error) {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return QString::fromLocal8Bit(runtime);
  // The shared temporary folder is anybody's: a fixed name there must be a
  // folder this user made and nobody else can write into.
  const QString dir = QDir::tempPath() + QStringLiteral("/Tharvex-") + QString::number(getuid());
  const QByteArray native = QFile::encodeName(dir);
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
    if (error)
      *error = QCoreApplication::translate("SingleInstance", "无法创建运行目录 %1：%2")
                   .arg(dir, QString::fromLocal8Bit(strerror(errno)));
    return std::nullopt;
  }
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    if (error)
      *error = QCoreApplication::translate("SingleInstance", "运行目录 %1 不是一个文件夹，程序不使用它。").arg(dir);
    return std::nullopt;
  }
  if (st.st_uid != getuid()) {
    if (error)
      *error = QCoreApplication::translate("SingleInstance", "运行目录 %1 属于另一个用户（uid %2），程序不使用它。")
                   .arg(dir)
                   .arg(st.st_uid);
    return std::nullopt;
  }
  if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0) {
    if (error)
      *error = QCoreApplication::translate("SingleInstance", "运行目录 %1 对其他用户开放，且无法改为私有。").arg(dir);
    return std::nullopt;
  }
  return dir;
}

QString RuntimePath(const QString& name) {
  const auto dir = RuntimeDir();
  return dir ? *dir + QLatin1Char('/') + name : QString();
}

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath) {}

bool SingleInstance::acquire() {
  lock_ = std::make_unique<QLockFile>(path_);
  // The lock is stale only when its process is gone, never because of its age.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

bool HandOver(const QString& servicePath, const QString& file, int timeoutMs) {
  QLocalSocket s;
  s.connectToServer(servicePath);
  if (!s.waitForConnected(timeoutMs)) return false;
  s.write(QByteArray(kOpenRequest) + file.toUtf8() + '\0');
  if (!s.waitForBytesWritten(timeoutMs)) return false;
  QByteArray reply;
  QElapsedTimer t;
  t.start();
  // The window answers once it has the file (after any question it asked).
  while (!reply.endsWith('\0')) {
    if (!s.waitForReadyRead(timeoutMs) && t.elapsed() > timeoutMs) break;
    reply += s.readAll();
    if (s.state() != QLocalSocket::ConnectedState && !s.bytesAvailable()) break;
  }
  return reply.endsWith('\0');
}

}  // namespace tharvex::gui
