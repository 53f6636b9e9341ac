#pragma once
// The inter-process service of the main window: a local socket reachable by
// the same user only. A client sends "handle;a;b;c" and a zero byte and gets
// back, on the same connection, a + b + c in the general format with 15
// significant digits and a zero byte. A handle of 0 (or a first piece that
// is not a number) gets no reply; the window says that the target was not
// found. A second start of the program sends kOpenRequest with the file it
// was given (or none) and gets back, once the window has taken it, the
// project file the window shows (UTF-8, empty when none) and a zero byte.
//
// The service protects itself: connections from other users are closed at
// once, each connection may keep only so much unanswered text and unread
// replies, the oldest idle connection makes room for a new one beyond the
// limit, and a failed accept (no file descriptors left) pauses accepting
// instead of ending the service.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/request_buffer.h"

class QLocalSocket;
class QSocketNotifier;
class QTimer;

namespace tharvex::gui {

// A second start's request: this prefix, then the file (UTF-8, may be
// empty), then the zero byte. No number starts with a control character, so
// the summing requests never look like it.
inline constexpr char kOpenRequest[] = "\x01open\x1f";

class CopyDataService : public QObject {
  Q_OBJECT
 public:
  explicit CopyDataService(QObject* parent = nullptr);
  ~CopyDataService() override;
  // Listens at `path`, replacing a socket file left by an instance that is
  // gone (the caller holds the single-instance lock). False on failure.
  bool listen(const QString& path);
  QString path() const { return path_; }
  int connections() const { return static_cast<int>(clients_.size()); }

  // Shows "目标窗口没找到！"; replaced by the tests.
  std::function<void()> targetNotFound;
  // A second start handed over `file` (empty: only come to the front); the
  // answer is the project file the window shows afterwards.
  std::function<QString(const QString& file)> openRequested;

  // Longest request kept while waiting for its zero byte (the core's
  // request buffer cuts the stream and enforces it).
  static constexpr qint64 kMaxRequest = static_cast<qint64>(RequestBuffer::kMaxRequest);
  // Received requests one connection may leave waiting, and replies it may
  // leave unread; beyond either the connection is closed.
  static constexpr qint64 kMaxQueued = 1024 * 1024;
  static constexpr qint64 kMaxUnread = 64 * 1024;
  // Requests answered in one turn of the event loop per connection, so one
  // busy client does not starve the others.
  static constexpr int kRequestsPerTurn = 2000;
  static constexpr int kMaxConnections = 64;

 private:
  struct Client {
    QLocalSocket* socket = nullptr;
    RequestBuffer buffer;           // the unfinished request
    std::deque<std::string> queue;  // whole requests not answered yet
    qint64 queuedBytes = 0;
    qint64 lastActive = 0;
    bool scheduled = false;
    bool idle() const { return queue.empty() && buffer.pending() == 0; }
  };
  void answer(QLocalSocket* s);
  void acceptPending();
  void serve(QLocalSocket* s);
  void drop(QLocalSocket* s);
  Client* find(QLocalSocket* s);
  bool makeRoom();  // closes the oldest idle connection; false when none is idle

  int fd_ = -1;
  QString path_;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer* retry_;
  QElapsedTimer clock_;
  std::vector<Client> clients_;
};

}  // namespace tharvex::gui
