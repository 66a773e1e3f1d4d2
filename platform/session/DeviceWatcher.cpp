#include "platform/session/DeviceWatcher.h"

#include "platform/session/WatcherFactory.h"

namespace platform {

namespace {
WatcherFactory<DeviceWatcher>& factory() {
  static WatcherFactory<DeviceWatcher> instance(&createDefaultDeviceWatcher);
  return instance;
}
}  // namespace

std::unique_ptr<DeviceWatcher> DeviceWatcher::create() { return factory().create(); }

void DeviceWatcher::installFactory(Factory make) { factory().install(std::move(make)); }

}  // namespace platform
