#include "tools/displayinfo/OutputsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace OutputsFile {

namespace {

// An EDID is 128 bytes a block with at most 255 extension blocks.
constexpr qint64 kEdidLimit = 256 * 128;
constexpr qint64 kDescriptionLimit = 1024 * 1024;
// What a desktop can hold: window systems keep positions and sizes in 16 bits.
constexpr int kLowestCoordinate = -32768;
constexpr int kHighestCoordinate = 32767;
constexpr int kLargestSize = 32767;

bool parseInt(const QString& text, int& value) {
  bool ok = false;
  value = text.toInt(&ok, 10);
  return ok;
}

}  // namespace

bool readSmallFile(const QString& path, qint64 limit, QByteArray& bytes, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return false;
  }
  bytes = file.read(limit + 1);
  if (bytes.size() > limit) {
    error = QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(limit);
    return false;
  }
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool read(const QString& path, QVector<platform::DisplayOutput>& outputs, QString& error) {
  QByteArray content;
  if (!readSmallFile(path, kDescriptionLimit, content, error)) return false;
  return parse(content, path, QFileInfo(path).absolutePath(), outputs, error);
}

bool parse(const QByteArray& content, const QString& path, const QString& folderPath,
           QVector<platform::DisplayOutput>& outputs, QString& error) {
  const QDir folder(folderPath);
  const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    auto malformed = [&](const QString& why) {
      error = QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(why);
      return false;
    };
    const QStringList fields = line.split(blanks);
    if (fields.size() != 7) return malformed(QStringLiteral("expected NAME X Y W H ORIENTATION EDIDFILE"));
    platform::DisplayOutput output;
    output.name = fields[0];
    int x = 0, y = 0, width = 0, height = 0;
    auto coordinate = [](const QString& text, int& value) {
      return parseInt(text, value) && value >= kLowestCoordinate && value <= kHighestCoordinate;
    };
    auto size = [](const QString& text, int& value) {
      return parseInt(text, value) && value > 0 && value <= kLargestSize;
    };
    if (!coordinate(fields[1], x) || !coordinate(fields[2], y))
      return malformed(QStringLiteral("X and Y must be integers from -32768 to 32767"));
    if (!size(fields[3], width) || !size(fields[4], height))
      return malformed(QStringLiteral("W and H must be integers from 1 to 32767"));
    if (!parseInt(fields[5], output.orientation) || output.orientation < 0 || output.orientation > 3)
      return malformed(QStringLiteral("ORIENTATION must be 0, 1, 2 or 3"));
    output.rect = QRect(x, y, width, height);
    output.modeSize = output.rect.size();
    if (fields[6] != QLatin1String("-")) {
      const QString edidPath = QDir::isAbsolutePath(fields[6]) ? fields[6] : folder.filePath(fields[6]);
      QString edidError;
      if (!readSmallFile(edidPath, kEdidLimit, output.edid, edidError)) return malformed(edidError);
    }
    outputs.push_back(output);
  }
  return true;
}

}  // namespace OutputsFile
