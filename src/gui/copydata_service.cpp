#include "gui/copydata_service.h"

#include <QFile>
#include <QLocalSocket>
#include <QVariant>

#include "core/app/split_numbers.h"

namespace tharvex::gui {

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
  QByteArray buffer = s->property("pending").toByteArray() + s->readAll();
  qsizetype zero;
  while ((zero = buffer.indexOf('\0')) >= 0) {
    const QByteArray text = buffer.left(zero);
    buffer.remove(0, zero + 1);
    const CopyDataRequest r = AnswerCopyData(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (r.handle == 0) {
      if (targetNotFound) targetNotFound();
      continue;
    }
    QByteArray reply(r.reply.data(), static_cast<qsizetype>(r.reply.size()));
    reply.append('\0');
    s->write(reply);
    s->flush();
  }
  if (buffer.size() > kMaxRequest) {
    // No zero byte in sight: not a request of this service.
    s->disconnectFromServer();
    return;
  }
  s->setProperty("pending", buffer);
}

}  // namespace tharvex::gui
