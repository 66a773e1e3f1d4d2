#include "driver/firmware/IapConsole.h"

#include <cstdarg>
#include <cstdio>

namespace IapConsole {

namespace {
Sink& sink() {
  static Sink current;
  return current;
}
}  // namespace

void print(const QByteArray& text, Stream stream) {
  if (sink()) {
    sink()(stream, text);
    return;
  }
  FILE* out = stream == Stream::Error ? stderr : stdout;
  fwrite(text.constData(), 1, size_t(text.size()), out);
  fflush(out);
}

void printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char buffer[512];
  const int length = vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (length > 0) print(QByteArray(buffer, qMin(length, int(sizeof buffer) - 1)));
}

void setSink(Sink value) { sink() = std::move(value); }

}  // namespace IapConsole
