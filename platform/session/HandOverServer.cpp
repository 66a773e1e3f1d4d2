#include "platform/session/HandOverServer.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace platform {

HandOverServer::HandOverServer(Receiver receiver, QObject* parent) : QObject(parent), m_receiver(std::move(receiver)) {
  connect(&m_server, &QLocalServer::newConnection, this, &HandOverServer::accept);
}

bool HandOverServer::listen(const QString& path) {
  QLocalServer::removeServer(path);
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  return m_server.listen(path);
}

void HandOverServer::accept() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kReceiveTimeoutMs, socket, [socket] { socket->abort(); });
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
      received->append(socket->read(HandOverMessage::kHeaderSize + HandOverMessage::kMaxData - received->size()));
      HandOverMessage message;
      int used = 0;
      switch (HandOverMessage::parse(*received, message, used)) {
        case HandOverMessage::Parse::Incomplete: return;
        case HandOverMessage::Parse::Invalid: socket->abort(); return;
        case HandOverMessage::Parse::Complete: break;
      }
      // The receiver may run a nested event loop; the socket may be gone after it.
      QPointer<QLocalSocket> alive(socket);
      const bool handled = m_receiver && m_receiver(message.dwData, message.data);
      if (!alive) return;
      disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
      socket->write(handled ? "\1" : "\0", 1);
      socket->disconnectFromServer();
    });
  }
}

}  // namespace platform
