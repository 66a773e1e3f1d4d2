#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace platform {

// sway's IPC socket ($SWAYSOCK): one request, one JSON reply, on a short
// connection of its own. Every wait is bounded.
class SwayIpc {
 public:
  enum Message : quint32 { RunCommand = 0, GetOutputs = 3, GetTree = 4 };

  // Empty path: $SWAYSOCK.
  explicit SwayIpc(QString socketPath = QString());

  // True when $SWAYSOCK (or the path given) names a socket that answers.
  bool isAvailable() const;
  // The reply's JSON; a null document when sway did not answer in time or
  // answered something else.
  QJsonDocument request(Message type, const QByteArray& payload = QByteArray()) const;

 private:
  QString m_path;
};

}  // namespace platform
