#include "gui/copydata_service.h"

#include <QFile>
#include <QLocalSocket>

#include "core/app/request_buffer.h"
#include "core/app/split_numbers.h"

namespace tharvex::gui {

namespace {

// The bytes a connection has sent towards its next request; lives and dies
// with the socket.
struct RequestBufferHolder : QObject {
  explicit RequestBufferHolder(QObject* parent) : QObject(parent) { setObjectName(kName); }
  static constexpr const char* kName = "tharvexRequestBuffer";
  RequestBuffer buffer;
};

}  // namespace

CopyDataService::CopyDataService(QObject* parent) : QObject(parent) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      connect(s, &QLocalSocket::readyRead, this, [this, s] { serve(s); });
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
    }
  });
}

bool CopyDataService::listen(const QString& path) {
  path_ = path;
  if (!server_.listen(path)) {
    QLocalServer::removeServer(path);
    if (!server_.listen(path)) return false;
  }
  // Same user only, whatever the umask made of the socket file.
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return true;
}

void CopyDataService::serve(QLocalSocket* s) {
  // Only this code makes children of that name, so the cast is sound.
  auto* buffer = static_cast<RequestBufferHolder*>(
      s->findChild<QObject*>(QString::fromLatin1(RequestBufferHolder::kName), Qt::FindDirectChildrenOnly));
  if (!buffer) buffer = new RequestBufferHolder(s);
  const QByteArray bytes = s->readAll();
  const RequestBuffer::Fed fed = buffer->buffer.Feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  for (const std::string& text : fed.requests) {
    const CopyDataRequest r = AnswerCopyData(text);
    if (r.handle == 0) {
      if (targetNotFound) targetNotFound();
      continue;
    }
    QByteArray reply(r.reply.data(), static_cast<qsizetype>(r.reply.size()));
    reply.append('\0');
    s->write(reply);
    s->flush();
  }
  // No zero byte in sight: not a request of this service.
  if (fed.overflow) s->disconnectFromServer();
}

}  // namespace tharvex::gui
