#include "platform/display/linux/XrandrDisplayOutputs.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {

// "HDMI-A-1" and "HDMI-1" and "HDMI1" all name the first HDMI connector;
// compare without the connector subtype and the dashes.
QString comparable(QString name) {
  name = name.toUpper();
  name.replace(QLatin1String("HDMI-A"), QLatin1String("HDMI"));
  name.replace(QLatin1String("DVI-I"), QLatin1String("DVI"));
  name.replace(QLatin1String("DVI-D"), QLatin1String("DVI"));
  name.remove(QLatin1Char('-'));
  return name;
}

QByteArray readSmall(const QString& path, qint64 limit) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(limit);
}

}  // namespace

QByteArray drmEdidForOutput(const QString& drmRoot, const QString& outputName) {
  const QString wanted = comparable(outputName);
  const QStringList entries = QDir(drmRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
  for (const QString& entry : entries) {
    // Connectors are "card<N>-<connector>"; the cards themselves have no dash.
    const int dash = entry.indexOf(QLatin1Char('-'));
    if (!entry.startsWith(QLatin1String("card")) || dash < 0) continue;
    if (comparable(entry.mid(dash + 1)) != wanted) continue;
    const QString dir = drmRoot + QLatin1Char('/') + entry;
    if (readSmall(dir + QStringLiteral("/status"), 64).trimmed() != "connected") continue;
    // A base block and at most a few extensions; more would be no EDID.
    const QByteArray edid = readSmall(dir + QStringLiteral("/edid"), 32 * 1024);
    if (!edid.isEmpty()) return edid;
  }
  return {};
}

}  // namespace platform
