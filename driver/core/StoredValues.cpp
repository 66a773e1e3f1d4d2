#include "driver/core/StoredValues.h"

#include "driver/core/SaneGeometry.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <vector>

namespace StoredValues {

std::optional<int> toInt(const QVariant& stored) {
  if (!stored.isValid() || stored.type() == QVariant::StringList || stored.type() == QVariant::List) return {};
  if (stored.type() == QVariant::Double) return {};
  bool ok = false;
  const int value = stored.toInt(&ok);
  if (!ok) return {};
  return value;
}

std::optional<bool> toBool(const QVariant& stored) {
  switch (stored.type()) {
    case QVariant::Bool: return stored.toBool();
    case QVariant::Int:
    case QVariant::LongLong:
    case QVariant::UInt:
    case QVariant::ULongLong: return stored.toLongLong() != 0;
    case QVariant::String: {
      const QString text = stored.toString().trimmed();
      if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1")) return true;
      if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0")) return false;
      return {};
    }
    default: return {};
  }
}

std::optional<double> toDouble(const QVariant& stored, double low, double high) {
  if (!stored.isValid() || stored.type() == QVariant::StringList || stored.type() == QVariant::List) return {};
  bool ok = false;
  const double value = stored.toDouble(&ok);
  if (!ok || !std::isfinite(value) || value < low || value > high) return {};
  return value;
}

std::optional<QRect> toRect(const QVariant& stored) {
  if (stored.type() != QVariant::Rect) return {};
  const QRect rect = stored.toRect();
  if (!SaneGeometry::isSane(rect) || rect.width() <= 0 || rect.height() <= 0) return {};
  return rect;
}

std::optional<QPointF> toPoint(const QVariant& stored) {
  if (stored.type() != QVariant::PointF && stored.type() != QVariant::Point) return {};
  const QPointF point = stored.toPointF();
  if (!std::isfinite(point.x()) || !std::isfinite(point.y())) return {};
  return point;
}

QVariantList readPathArray(QSettings& settings, const QString& arrayName, QString* damage) {
  damage->clear();
  settings.beginGroup(arrayName);
  const std::optional<int> size = toInt(settings.value(QStringLiteral("size")));
  // QSettings numbers array entries from 1; only those the file holds count.
  std::vector<int> indices;
  int numbered = 0;
  for (const QString& group : settings.childGroups()) {
    bool ok = false;
    const int index = group.toInt(&ok);
    if (!ok || index < 1) continue;
    ++numbered;
    if (size && index <= *size) indices.push_back(index);
  }
  std::sort(indices.begin(), indices.end());
  QVariantList paths;
  int skipped = 0;
  for (const int index : indices) {
    const QString path = settings.value(QString::number(index) + QStringLiteral("/path")).toString();
    if (path.isEmpty() || paths.size() >= kMaxArrayEntries) {
      ++skipped;
      continue;
    }
    paths.append(QVariant(path));
  }
  settings.endGroup();

  if (!size && numbered > 0) {
    *damage = QStringLiteral("%1 has no readable size").arg(arrayName);
  } else if (size && *size != paths.size()) {
    *damage = QStringLiteral("%1 says %2 entries, holds %3 readable ones (%4 skipped)")
                  .arg(arrayName)
                  .arg(*size)
                  .arg(paths.size())
                  .arg(skipped);
  }
  return paths;
}

}  // namespace StoredValues
