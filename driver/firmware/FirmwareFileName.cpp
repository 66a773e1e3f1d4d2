#include "driver/firmware/FirmwareFileName.h"

#include <algorithm>

std::optional<FirmwareFileName> FirmwareFileName::parse(const QString& path) {
  // Only "/" separates: a backslash is an ordinary character of a Linux name.
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  QStringList fields = name.split(QLatin1Char('-'), Qt::KeepEmptyParts, Qt::CaseSensitive);
  if (fields.size() < 5) return std::nullopt;
  FirmwareFileName result;
  result.m_fields = std::move(fields);
  return result;
}

bool FirmwareFileName::hardwareInRange(const QString& field, const QString& hardwareVersion) {
  // A missing "HV[" or "]" leaves an empty range: one part, so no match.
  const int open = field.indexOf(QLatin1String("HV["));
  QString range;
  if (open >= 0) {
    range = field.mid(open + 3);
    const int close = range.indexOf(QLatin1Char(']'));
    range = close >= 0 ? range.left(close) : QString();
  }
  const QStringList bounds = range.split(QLatin1Char('^'), Qt::KeepEmptyParts);
  if (bounds.size() != 2) return false;
  // A bound that is not a number counts as 0, like the device tools read it.
  const float low = bounds.at(0).toFloat();
  const float high = bounds.at(1).toFloat();
  const float hardware = hardwareVersion.toFloat();
  return low <= hardware && hardware <= high;
}
