#include "platform/session/PowerWatcher.h"

#include "platform/session/WatcherFactory.h"

namespace platform {

namespace {
WatcherFactory<PowerWatcher>& factory() {
  static WatcherFactory<PowerWatcher> instance(&createDefaultPowerWatcher);
  return instance;
}
}  // namespace

std::unique_ptr<PowerWatcher> PowerWatcher::create() { return factory().create(); }

void PowerWatcher::installFactory(Factory make) { factory().install(std::move(make)); }

}  // namespace platform
