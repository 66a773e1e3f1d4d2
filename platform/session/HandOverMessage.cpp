#include "platform/session/HandOverMessage.h"

#include <QtEndian>

namespace platform {

HandOverMessage HandOverMessage::showWindow() {
  HandOverMessage message;
  message.dwData = kShowWindow;
  message.data.resize(4);
  qToLittleEndian<qint32>(1, message.data.data());
  return message;
}

QByteArray HandOverMessage::encode() const {
  QByteArray bytes(kHeaderSize, '\0');
  qToLittleEndian<quint32>(dwData, bytes.data());
  qToLittleEndian<quint32>(quint32(data.size()), bytes.data() + 4);
  return bytes + data;
}

HandOverMessage::Parse HandOverMessage::parse(const QByteArray& bytes, HandOverMessage& message, int& used) {
  if (bytes.size() < kHeaderSize) return Parse::Incomplete;
  const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 4);
  if (length > kMaxData) return Parse::Invalid;
  if (quint32(bytes.size() - kHeaderSize) < length) return Parse::Incomplete;
  message.dwData = qFromLittleEndian<quint32>(bytes.constData());
  message.data = bytes.mid(kHeaderSize, int(length));
  used = kHeaderSize + int(length);
  return Parse::Complete;
}

}  // namespace platform
