#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

// What tabletreplay reads on standard input: one input report per line in
// hexadecimal byte pairs (spaces between bytes allowed), or "wait N" for a
// pause of N milliseconds. Blank lines and lines starting with "#" are skipped.
struct ReplayStep {
  enum Kind { Report, Wait } kind = Report;
  QByteArray report;  // padded with zeros to the input report length
  int waitMs = 0;
};

namespace ReplayInput {

// No line of a capture comes near this; a longer one is not a capture (it
// may be endless), and reading on would only fill memory.
constexpr int kMaxLineLength = 1024;
// The longest pause one "wait" may ask for.
constexpr int kMaxWaitMs = 60000;
// More reports than any capture session holds; beyond is endless input.
constexpr int kMaxSteps = 1000000;

// Reads every line; false with "line N: ..." in `error` at the first
// malformed one, at a line longer than kMaxLineLength (at once, without
// reading the rest of it) and when the device cannot be read. A report longer
// than reportLength is refused as well: the tablet could not have sent it.
bool parse(QIODevice& in, int reportLength, std::vector<ReplayStep>& steps, QString& error);

// At most `limit` characters of a line for a message, with control
// characters and other unprintable ones written as \xNN or \uNNNN escapes.
QString printable(const QString& text, int limit);

}  // namespace ReplayInput
