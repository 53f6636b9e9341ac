#pragma once
// The inter-process service of the main window: a local socket reachable by
// the same user only. A client sends "handle;a;b;c" and a zero byte and gets
// back, on the same connection, a + b + c in the general format with 15
// significant digits and a zero byte. A handle of 0 (or a first piece that
// is not a number) gets no reply; the window says that the target was not
// found.
#include <QLocalServer>
#include <QString>
#include <functional>

namespace tharvex::gui {

class CopyDataService : public QObject {
  Q_OBJECT
 public:
  explicit CopyDataService(QObject* parent = nullptr);
  // Listens at `path`, replacing a socket file left by an instance that is
  // gone (the caller holds the single-instance lock). False on failure.
  bool listen(const QString& path);
  QString path() const { return path_; }

  // Shows "目标窗口没找到！"; replaced by the tests.
  std::function<void()> targetNotFound;

  // Longest request kept while waiting for its zero byte.
  static constexpr qint64 kMaxRequest = 64 * 1024;  // RequestBuffer::kMaxRequest

 private:
  void serve(class QLocalSocket* socket);
  QLocalServer server_;
  QString path_;
};

}  // namespace tharvex::gui
