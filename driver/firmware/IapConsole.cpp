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
  va_list again;
  va_copy(again, args);
  // Sized to the text: a long firmware path must not cut off the line's end.
  const int length = vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (length > 0) {
    QByteArray text(length, '\0');
    vsnprintf(text.data(), size_t(length) + 1, format, again);
    print(text);
  }
  va_end(again);
}

void setSink(Sink value) { sink() = std::move(value); }

}  // namespace IapConsole
