#include "driver/app/LegacySettingsFile.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLegacySettings, "varnex.app.settings")

namespace LegacySettingsFile {

bool moveToDisplayName(const QString& directory, const QString& modelKey, const QString& devName) {
  if (modelKey.isEmpty() || devName.isEmpty() || modelKey == devName) return false;
  const QDir dir(directory);
  const QString oldPath = dir.filePath(modelKey + QLatin1String("_config.ini"));
  const QString newPath = dir.filePath(devName + QLatin1String("_config.ini"));
  if (!QFile::exists(oldPath) || QFile::exists(newPath)) return false;
  QFile file(oldPath);
  if (!file.rename(newPath)) {
    qCWarning(lcLegacySettings).noquote() << "cannot move the settings file" << oldPath << "to" << newPath << ":"
                                          << file.errorString();
    return false;
  }
  qCInfo(lcLegacySettings).noquote() << "moved the settings file" << oldPath << "to" << newPath;
  return true;
}

}  // namespace LegacySettingsFile
