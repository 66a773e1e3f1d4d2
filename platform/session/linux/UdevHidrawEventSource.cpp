#include "platform/session/linux/UdevHidrawEventSource.h"

#include <libudev.h>

#include <cerrno>
#include <cstring>

namespace platform {

std::unique_ptr<UdevHidrawEventSource> UdevHidrawEventSource::open(QString& error) {
  struct udev* context = udev_new();
  if (!context) {
    error = QStringLiteral("udev_new failed: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    return nullptr;
  }
  struct udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
  if (!monitor) {
    error = QStringLiteral("no udev event stream: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    udev_unref(context);
    return nullptr;
  }
  if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0) {
    error = QStringLiteral("cannot listen to udev: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    udev_monitor_unref(monitor);
    udev_unref(context);
    return nullptr;
  }
  return std::unique_ptr<UdevHidrawEventSource>(new UdevHidrawEventSource(context, monitor));
}

UdevHidrawEventSource::~UdevHidrawEventSource() {
  udev_monitor_unref(m_monitor);
  udev_unref(m_udev);
}

int UdevHidrawEventSource::fd() const { return udev_monitor_get_fd(m_monitor); }

bool UdevHidrawEventSource::next(Event& event) {
  // The monitor's socket does not block: null means nothing is pending.
  while (struct udev_device* device = udev_monitor_receive_device(m_monitor)) {
    const char* action = udev_device_get_action(device);
    const char* sysname = udev_device_get_sysname(device);
    const bool added = action && strcmp(action, "add") == 0;
    const bool removed = action && strcmp(action, "remove") == 0;
    if ((added || removed) && sysname) {
      event.added = added;
      event.node = QString::fromLocal8Bit(sysname);
      udev_device_unref(device);
      return true;
    }
    udev_device_unref(device);
  }
  return false;
}

}  // namespace platform
