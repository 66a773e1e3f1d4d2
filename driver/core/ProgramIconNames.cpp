#include "driver/core/ProgramIconNames.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex& lock() {
  static QMutex mutex;
  return mutex;
}

QHash<QString, QString>& names() {
  static QHash<QString, QString> byPath;
  return byPath;
}

}  // namespace

namespace ProgramIconNames {

void remember(const QString& programPath, const QString& iconName) {
  QMutexLocker locker(&lock());
  if (iconName.isEmpty())
    names().remove(programPath);
  else
    names().insert(programPath, iconName);
}

QString iconNameFor(const QString& programPath) {
  QMutexLocker locker(&lock());
  return names().value(programPath);
}

void forgetAll() {
  QMutexLocker locker(&lock());
  names().clear();
}

}  // namespace ProgramIconNames
