// What a later start sends the running driver over its hand-over socket; any
// local program of the user can send anything.
#include "platform/session/HandOverMessage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
  platform::HandOverMessage message;
  int used = 0;
  if (platform::HandOverMessage::parse(bytes, message, used) == platform::HandOverMessage::Parse::Complete) {
    if (used < platform::HandOverMessage::kHeaderSize || used > bytes.size()) __builtin_trap();
    if (message.encode() != bytes.left(used)) __builtin_trap();
  }
  return 0;
}
