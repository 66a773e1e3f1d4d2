#include "tools/tabletreplay/ReplayInput.h"

#include "tools/common/PrintableText.h"

#include <QFileDevice>
#include <QRegExp>

namespace ReplayInput {
namespace {

// How much of a bad line a message repeats.
constexpr int kEchoLength = 60;

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

enum class LineRead { Line, End, TooLong, Failed };

// One line without its line break. Never holds more than kMaxLineLength + 1
// bytes, whatever the input: a line without an end is refused as soon as it
// is too long.
LineRead readLine(QIODevice& in, QByteArray& line) {
  line.resize(kMaxLineLength + 2);
  const qint64 got = in.readLine(line.data(), line.size());
  if (got < 0) {
    line.clear();
    // -1 both at the end and on an error; a file says which.
    const auto* file = qobject_cast<QFileDevice*>(&in);
    return file && file->error() != QFileDevice::NoError ? LineRead::Failed : LineRead::End;
  }
  line.resize(int(got));
  if (line.endsWith('\n')) {
    line.chop(1);
    return LineRead::Line;
  }
  if (line.size() > kMaxLineLength) return LineRead::TooLong;
  return LineRead::Line;  // the last line, without a line break
}

}  // namespace

QString printable(const QString& text, int limit) {
  return PrintableText::escaped(text.left(limit)) + (text.size() > limit ? QStringLiteral("...") : QString());
}

bool parse(QIODevice& in, int reportLength, std::vector<ReplayStep>& steps, QString& error) {
  int number = 0;
  QByteArray bytes;
  for (;;) {
    const LineRead read = readLine(in, bytes);
    if (read == LineRead::End) break;
    ++number;
    if (read == LineRead::Failed) {
      error = QStringLiteral("line %1: cannot read the input: %2").arg(number).arg(in.errorString());
      return false;
    }
    if (read == LineRead::TooLong) {
      error = QStringLiteral("line %1: longer than %2 characters, which no report is: %3")
                  .arg(number)
                  .arg(kMaxLineLength)
                  .arg(printable(QString::fromUtf8(bytes), kEchoLength));
      return false;
    }
    const QString line = QString::fromUtf8(bytes).trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (steps.size() >= size_t(kMaxSteps)) {
      error = QStringLiteral("line %1: more than %2 reports and waits").arg(number).arg(kMaxSteps);
      return false;
    }
    ReplayStep step;
    if (line.startsWith(QLatin1String("wait"))) {
      const QStringList parts = line.split(QRegExp("[ \t]+"), Qt::SkipEmptyParts);
      bool ok = false;
      step.kind = ReplayStep::Wait;
      step.waitMs = parts.size() == 2 && parts[0] == QLatin1String("wait") ? parts[1].toInt(&ok) : 0;
      if (!ok || step.waitMs < 0 || step.waitMs > kMaxWaitMs) {
        error = QStringLiteral("line %1: \"wait N\" wants a number of milliseconds from 0 to %2: %3")
                    .arg(number)
                    .arg(kMaxWaitMs)
                    .arg(printable(line, kEchoLength));
        return false;
      }
    } else {
      if (!parseHexLine(line, step.report)) {
        error = QStringLiteral("line %1: not a report in hexadecimal byte pairs: %2")
                    .arg(number)
                    .arg(printable(line, kEchoLength));
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
