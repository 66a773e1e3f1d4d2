#include "driver/keys/KeySettings.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
std::unique_ptr<KeySettings>& slot() {
  static std::unique_ptr<KeySettings> settings;
  return settings;
}
QMutex& slotLock() {
  static QMutex lock;
  return lock;
}
}  // namespace

KeySettings& KeySettings::current() {
  QMutexLocker locker(&slotLock());
  if (!slot()) slot() = createStoredKeySettings();
  return *slot();
}

void KeySettings::install(std::unique_ptr<KeySettings> settings) {
  QMutexLocker locker(&slotLock());
  slot() = std::move(settings);
}
