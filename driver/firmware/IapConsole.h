#pragma once

#include <QByteArray>
#include <functional>

// The "[Varnex IAP]:" progress lines of a firmware transfer go to the
// terminal the program was started from, apart from the log. Tests and
// tools catch them with setSink().
namespace IapConsole {

enum class Stream { Out, Error };

void print(const QByteArray& text, Stream stream = Stream::Out);
// printf-style; the format is the device tools' own.
void printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

using Sink = std::function<void(Stream, const QByteArray&)>;
// Replaces the terminal; an empty sink brings it back.
void setSink(Sink sink);

}  // namespace IapConsole
