#pragma once

#include "platform/session/HandOverMessage.h"
#include "platform/session/LocalListener.h"

#include <QObject>
#include <functional>

namespace platform {

// The running instance's end of the hand-over: a local socket that takes one
// message per connection, gives it to the receiver, and answers with one
// byte (1 handled, 0 passed on) once the receiver has returned, so the
// sender knows its message has been dealt with. A flood of connections is
// served a few at a time and never closes it.
class HandOverServer : public QObject {
  Q_OBJECT

 public:
  using Receiver = std::function<bool(quint32 dwData, const QByteArray& data)>;
  // A sender that has not finished its message by then is cut off.
  static constexpr int kReceiveTimeoutMs = 2000;

  explicit HandOverServer(Receiver receiver, QObject* parent = nullptr);

  // Listens at `path`, replacing a socket file a dead instance left there;
  // a live instance's socket is never replaced. Only this user may connect.
  bool listen(const QString& path);
  QString errorString() const { return m_listener.errorString(); }

 private:
  void serve(qintptr descriptor);

  Receiver m_receiver;
  LocalListener m_listener;
};

}  // namespace platform
