#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace platform {

// What a later start of the program sends the running one: a number saying
// what it wants (dwData) and a few bytes with it. On the wire: dwData and the
// length of the bytes as 32-bit little-endian numbers, then the bytes.
struct HandOverMessage {
  // "Show your window"; its bytes are the 32-bit integer 1.
  static constexpr quint32 kShowWindow = 10086;
  // Anything longer is not ours.
  static constexpr quint32 kMaxData = 4096;
  static constexpr int kHeaderSize = 8;

  quint32 dwData = 0;
  QByteArray data;

  static HandOverMessage showWindow();

  QByteArray encode() const;

  enum class Parse { Complete, Incomplete, Invalid };
  // Reads a message from the start of `bytes` (what arrived so far);
  // Complete fills `message` and says how many bytes it took.
  static Parse parse(const QByteArray& bytes, HandOverMessage& message, int& used);
};

}  // namespace platform
