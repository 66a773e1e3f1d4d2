#include "platform/session/HandOverServer.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace platform {

HandOverServer::HandOverServer(Receiver receiver, QObject* parent) : QObject(parent), m_receiver(std::move(receiver)) {
  connect(&m_listener, &LocalListener::newConnection, this, &HandOverServer::serve);
}

bool HandOverServer::listen(const QString& path) { return m_listener.listen(path); }

void HandOverServer::serve(qintptr descriptor) {
  auto* socket = new QLocalSocket(this);
  // Gone with the listener when the server itself goes.
  connect(socket, &QObject::destroyed, &m_listener, &LocalListener::connectionFinished);
  if (!socket->setSocketDescriptor(descriptor)) {
    delete socket;
    LocalListener::closeConnection(descriptor);
    return;
  }
  // Each connection holds a place among the few served at once: it must go
  // however it ends.
  const auto cutOff = [socket] {
    socket->abort();
    socket->deleteLater();
  };
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  QTimer::singleShot(kReceiveTimeoutMs, socket, cutOff);
  auto received = std::make_shared<QByteArray>();
  connect(socket, &QLocalSocket::readyRead, this, [this, socket, received, cutOff] {
    received->append(socket->read(HandOverMessage::kHeaderSize + HandOverMessage::kMaxData - received->size()));
    HandOverMessage message;
    int used = 0;
    switch (HandOverMessage::parse(*received, message, used)) {
      case HandOverMessage::Parse::Incomplete: return;
      case HandOverMessage::Parse::Invalid: cutOff(); return;
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

}  // namespace platform
