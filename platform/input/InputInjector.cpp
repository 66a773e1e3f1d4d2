#include "platform/input/InputInjector.h"

#include <QMutex>
#include <QMutexLocker>

namespace platform {

namespace {
std::unique_ptr<InputInjector>& slot() {
  static std::unique_ptr<InputInjector> injector;
  return injector;
}
QMutex& slotLock() {
  static QMutex lock;
  return lock;
}
}  // namespace

InputInjector& InputInjector::current() {
  QMutexLocker locker(&slotLock());
  if (!slot()) slot() = createDefaultInputInjector();
  return *slot();
}

void InputInjector::install(std::unique_ptr<InputInjector> injector) {
  QMutexLocker locker(&slotLock());
  slot() = std::move(injector);
}

}  // namespace platform
