#include "gui/copydata_service.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "core/app/split_numbers.h"

namespace tharvex::gui {

namespace {

// The user of the process at the other end of a connection.
bool SameUser(int fd) {
  struct ucred cred {};
  socklen_t len = sizeof cred;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == getuid();
}

}  // namespace

CopyDataService::CopyDataService(QObject* parent) : QObject(parent), retry_(new QTimer(this)) {
  clock_.start();
  retry_->setSingleShot(true);
  retry_->setInterval(200);
  connect(retry_, &QTimer::timeout, this, [this] {
    if (notifier_) notifier_->setEnabled(true);
    acceptPending();
  });
}

CopyDataService::~CopyDataService() {
  notifier_.reset();
  if (fd_ >= 0) {
    ::close(fd_);
    QFile::remove(path_);
  }
}

bool CopyDataService::listen(const QString& path) {
  path_ = path;
  const QByteArray native = QFile::encodeName(path);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (native.size() >= static_cast<qsizetype>(sizeof addr.sun_path)) return false;
  std::memcpy(addr.sun_path, native.constData(), static_cast<size_t>(native.size()));
  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd_ < 0) return false;
  // Only the owner may connect, whatever the umask would make of the file.
  const mode_t old = ::umask(0177);
  ::unlink(native.constData());
  const bool bound = ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::umask(old);
  if (!bound || ::listen(fd_, 64) != 0) {
    ::close(fd_);
    fd_ = -1;
    return false;
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { acceptPending(); });
  return true;
}

CopyDataService::Client* CopyDataService::find(QLocalSocket* s) {
  for (Client& c : clients_)
    if (c.socket == s) return &c;
  return nullptr;
}

bool CopyDataService::makeRoom() {
  Client* oldest = nullptr;
  for (Client& c : clients_)
    if (c.idle() && c.socket->bytesToWrite() == 0 && (!oldest || c.lastActive < oldest->lastActive)) oldest = &c;
  if (!oldest) return false;
  drop(oldest->socket);
  return true;
}

void CopyDataService::acceptPending() {
  if (fd_ < 0) return;
  for (;;) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == ECONNABORTED) return;
      // Out of descriptors or memory: the oldest idle connection makes room
      // for this one; with none to close the service pauses and tries again.
      // It never stops listening.
      if (makeRoom()) continue;
      notifier_->setEnabled(false);
      retry_->start();
      return;
    }
    if (!SameUser(fd)) {
      ::close(fd);
      continue;
    }
    if (static_cast<int>(clients_.size()) >= kMaxConnections && !makeRoom()) {
      ::close(fd);  // every connection is busy: this one waits for nothing
      continue;
    }
    auto* s = new QLocalSocket(this);
    if (!s->setSocketDescriptor(fd)) {
      ::close(fd);
      delete s;
      continue;
    }
    Client client;
    client.socket = s;
    client.lastActive = clock_.elapsed();
    clients_.push_back(std::move(client));
    connect(s, &QLocalSocket::readyRead, this, [this, s] { serve(s); });
    connect(s, &QLocalSocket::disconnected, this, [this, s] { drop(s); });
    // Text that came with the connection.
    if (s->bytesAvailable() > 0) serve(s);
  }
}

void CopyDataService::drop(QLocalSocket* s) {
  auto it = std::find_if(clients_.begin(), clients_.end(), [s](const Client& c) { return c.socket == s; });
  if (it == clients_.end()) return;
  clients_.erase(it);
  s->disconnect(this);
  s->abort();
  s->deleteLater();
}

void CopyDataService::serve(QLocalSocket* s) {
  Client* c = find(s);
  if (!c) return;
  c->lastActive = clock_.elapsed();
  const QByteArray bytes = s->readAll();
  RequestBuffer::Fed fed = c->buffer.Feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (fed.overflow) {  // no request of this service is that long
    drop(s);
    return;
  }
  for (std::string& r : fed.requests) {
    c->queuedBytes += static_cast<qint64>(r.size()) + 1;
    c->queue.push_back(std::move(r));
  }
  if (c->queuedBytes > kMaxQueued) {
    drop(s);
    return;
  }
  if (!c->scheduled) answer(s);
}

void CopyDataService::answer(QLocalSocket* s) {
  Client* c = find(s);
  if (!c) return;
  c->scheduled = false;
  for (int answered = 0; !c->queue.empty(); ++answered) {
    if (answered == kRequestsPerTurn) {
      // The rest in the next turn, after the other connections.
      c->scheduled = true;
      QTimer::singleShot(0, this, [this, s] {
        if (Client* again = find(s); again && again->scheduled) answer(s);
      });
      break;
    }
    const std::string text = std::move(c->queue.front());
    c->queue.pop_front();
    c->queuedBytes -= static_cast<qint64>(text.size()) + 1;
    if (std::string_view(text).starts_with(std::string_view(kOpenRequest, sizeof kOpenRequest - 1))) {
      // The window takes the file after this turn: opening may ask the user
      // a question, and the second start need not wait for the answer.
      const QString file = QString::fromStdString(text.substr(sizeof kOpenRequest - 1));
      QTimer::singleShot(0, this, [this, file, socket = QPointer<QLocalSocket>(s)] {
        const QString shown = openRequested ? openRequested(file) : QString();
        if (socket && find(socket)) {
          socket->write(shown.toUtf8() + '\0');
          socket->flush();
        }
      });
      continue;
    }
    const CopyDataRequest r = AnswerCopyData(text);
    if (r.handle == 0) {
      if (targetNotFound) targetNotFound();
      if (!(c = find(s))) return;  // the connection went while the box was up
      continue;
    }
    QByteArray reply(r.reply.data(), static_cast<qsizetype>(r.reply.size()));
    reply.append('\0');
    s->write(reply);
    if (s->bytesToWrite() > kMaxUnread) {
      // A client that sends without reading its answers.
      drop(s);
      return;
    }
  }
  s->flush();
}

}  // namespace tharvex::gui
