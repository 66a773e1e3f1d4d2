#include "tools/tabletreplay/ReplayInput.h"

namespace ReplayInput {
namespace {

bool parseHexLine(const QString& line, QByteArray& bytes) {
  QString digits;
  digits.reserve(line.size());
  for (const QChar c : line) {
    if (c == ' ' || c == '\t') continue;
    if (!isxdigit(c.toLatin1()) || c.unicode() > 0x7F) return false;
    digits += c;
  }
  if (digits.isEmpty() || digits.size() % 2 != 0) return false;
  // Spaces may only fall between bytes, never inside one.
  for (const QString& group : line.split(QRegExp("[ \t]+"), Qt::SkipEmptyParts))
    if (group.size() % 2 != 0) return false;
  bytes = QByteArray::fromHex(digits.toLatin1());
  return true;
}

}  // namespace

bool parse(QTextStream& in, int reportLength, std::vector<ReplayStep>& steps, QString& error) {
  int number = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    ++number;
    if (line.isEmpty() || line.startsWith('#')) continue;
    ReplayStep step;
    if (line.startsWith(QLatin1String("wait"))) {
      const QStringList parts = line.split(QRegExp("[ \t]+"), Qt::SkipEmptyParts);
      bool ok = false;
      step.kind = ReplayStep::Wait;
      step.waitMs = parts.size() == 2 && parts[0] == QLatin1String("wait") ? parts[1].toInt(&ok) : 0;
      if (!ok || step.waitMs < 0) {
        error = QStringLiteral("line %1: \"wait N\" wants a number of milliseconds: %2").arg(number).arg(line);
        return false;
      }
    } else {
      if (!parseHexLine(line, step.report)) {
        error = QStringLiteral("line %1: not a report in hexadecimal byte pairs: %2").arg(number).arg(line);
        return false;
      }
      if (step.report.size() > reportLength) {
        error = QStringLiteral("line %1: report of %2 bytes is longer than the tablet's %3")
                    .arg(number)
                    .arg(step.report.size())
                    .arg(reportLength);
        return false;
      }
      step.report.append(QByteArray(reportLength - step.report.size(), '\0'));
    }
    steps.push_back(step);
  }
  return true;
}

}  // namespace ReplayInput
