#pragma once

#include <QByteArray>
#include <QString>
#include <QTextStream>
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

// Reads every line; false with "line N: ..." in `error` at the first
// malformed one. A report longer than reportLength is refused as well: the
// tablet could not have sent it.
bool parse(QTextStream& in, int reportLength, std::vector<ReplayStep>& steps, QString& error);

}  // namespace ReplayInput
