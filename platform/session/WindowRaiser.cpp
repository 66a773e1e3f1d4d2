#include "platform/session/WindowRaiser.h"

#include <QMutex>
#include <QMutexLocker>

namespace platform {

namespace {
std::unique_ptr<WindowRaiser>& slot() {
  static std::unique_ptr<WindowRaiser> raiser;
  return raiser;
}
QMutex& slotLock() {
  static QMutex lock;
  return lock;
}
}  // namespace

WindowRaiser& WindowRaiser::current() {
  QMutexLocker locker(&slotLock());
  if (!slot()) slot() = createDefaultWindowRaiser();
  return *slot();
}

void WindowRaiser::install(std::unique_ptr<WindowRaiser> raiser) {
  QMutexLocker locker(&slotLock());
  slot() = std::move(raiser);
}

}  // namespace platform
