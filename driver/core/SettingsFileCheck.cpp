#include "driver/core/SettingsFileCheck.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSettings>

#include <new>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace SettingsFileCheck {

bool readable(const QString& path) {
  if (!QFile::exists(path)) return true;
  try {
    // Reading every key converts every value, as the getters later would.
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) settings.value(key);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool readableOrSetAside(const QString& path, QString* setAsidePath) {
  if (setAsidePath) setAsidePath->clear();
  if (readable(path)) return true;
  QString aside = path + QStringLiteral(".damaged");
  for (int n = 2; QFile::exists(aside); ++n) aside = path + QStringLiteral(".damaged-%1").arg(n);
  if (QFile::rename(path, aside)) {
    if (setAsidePath) *setAsidePath = aside;
    qCWarning(lcConfig).noquote() << "the settings file" << path
                                  << "holds a value that cannot be read; it is kept as" << aside
                                  << "and the settings start from their defaults";
  } else {
    qCWarning(lcConfig).noquote() << "the settings file" << path
                                  << "holds a value that cannot be read, and it could not be moved aside";
  }
  return false;
}

}  // namespace SettingsFileCheck
