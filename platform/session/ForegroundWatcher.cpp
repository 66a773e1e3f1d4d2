#include "platform/session/ForegroundWatcher.h"

#include <QLoggingCategory>

#include <mutex>

Q_LOGGING_CATEGORY(lcForeground, "varnex.session.foreground")

namespace platform {

namespace {

std::mutex& factoryLock() {
  static std::mutex lock;
  return lock;
}

ForegroundWatcher::Factory& installed() {
  static ForegroundWatcher::Factory factory;
  return factory;
}

std::function<ForegroundHelp()>& installedProbe() {
  static std::function<ForegroundHelp()> probe;
  return probe;
}

}  // namespace

std::unique_ptr<ForegroundWatcher> ForegroundWatcher::create() {
  Factory factory;
  {
    std::lock_guard<std::mutex> locker(factoryLock());
    factory = installed();
  }
  return factory ? factory() : createDefaultForegroundWatcher();
}

void ForegroundWatcher::installFactory(Factory factory) {
  std::lock_guard<std::mutex> locker(factoryLock());
  installed() = std::move(factory);
}

ForegroundHelp ForegroundWatcher::helpNeeded() {
  std::function<ForegroundHelp()> probe;
  {
    std::lock_guard<std::mutex> locker(factoryLock());
    probe = installedProbe();
  }
  return probe ? probe() : defaultForegroundHelpNeeded();
}

void ForegroundWatcher::installHelpProbe(std::function<ForegroundHelp()> probe) {
  std::lock_guard<std::mutex> locker(factoryLock());
  installedProbe() = std::move(probe);
}

}  // namespace platform
