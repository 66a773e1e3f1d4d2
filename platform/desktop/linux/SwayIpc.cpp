#include "platform/desktop/linux/SwayIpc.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QtEndian>

#include <cstring>

namespace platform {

namespace {

constexpr int kAnswerTimeoutMs = 2000;
constexpr char kMagic[] = "i3-ipc";
constexpr int kMagicSize = 6;
constexpr int kHeaderSize = kMagicSize + 8;
// Outputs and trees of real desktops are a few kilobytes; anything near
// this is not sway.
constexpr quint32 kReplyLimit = 16u << 20;

bool readExactly(QLocalSocket& socket, char* into, qint64 size, const QDeadlineTimer& deadline) {
  qint64 done = 0;
  while (done < size) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
      return false;
    const qint64 got = socket.read(into + done, size - done);
    if (got < 0) return false;
    done += got;
    if (deadline.hasExpired() && done < size) return false;
  }
  return true;
}

}  // namespace

SwayIpc::SwayIpc(QString socketPath)
    : m_path(socketPath.isEmpty() ? qEnvironmentVariable("SWAYSOCK") : std::move(socketPath)) {}

bool SwayIpc::isAvailable() const { return !m_path.isEmpty() && !request(GetOutputs).isNull(); }

QJsonDocument SwayIpc::request(Message type, const QByteArray& payload) const {
  if (m_path.isEmpty()) return {};
  QLocalSocket socket;
  socket.connectToServer(m_path);
  const QDeadlineTimer deadline(kAnswerTimeoutMs);
  if (!socket.waitForConnected(kAnswerTimeoutMs)) return {};
  // Sizes and types go in the machine's own byte order.
  QByteArray message(kMagic, kMagicSize);
  const quint32 header[2] = {quint32(payload.size()), quint32(type)};
  message.append(reinterpret_cast<const char*>(header), sizeof header);
  message.append(payload);
  socket.write(message);
  if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return {};

  char replyHeader[kHeaderSize];
  if (!readExactly(socket, replyHeader, kHeaderSize, deadline) || std::memcmp(replyHeader, kMagic, kMagicSize) != 0)
    return {};
  quint32 size = 0, replyType = 0;
  std::memcpy(&size, replyHeader + kMagicSize, 4);
  std::memcpy(&replyType, replyHeader + kMagicSize + 4, 4);
  if (replyType != type || size > kReplyLimit) return {};
  QByteArray reply(int(size), Qt::Uninitialized);
  if (!readExactly(socket, reply.data(), size, deadline)) return {};
  return QJsonDocument::fromJson(reply);
}

}  // namespace platform
