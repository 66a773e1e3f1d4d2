#pragma once

#include "platform/session/linux/HidrawEventSource.h"

#include <QString>
#include <memory>

struct udev;
struct udev_monitor;

namespace platform {

// udev's own event stream for the hidraw subsystem. udev announces a node
// after its rules have run, so by then the node carries the permissions the
// rules give it.
class UdevHidrawEventSource : public HidrawEventSource {
 public:
  // Null, with the reason in `error`, when no monitor can be made (no udev
  // in a container, no netlink).
  static std::unique_ptr<UdevHidrawEventSource> open(QString& error);
  ~UdevHidrawEventSource() override;

  int fd() const override;
  bool next(Event& event) override;

 private:
  UdevHidrawEventSource(struct udev* context, struct udev_monitor* monitor) : m_udev(context), m_monitor(monitor) {}
  struct udev* m_udev;
  struct udev_monitor* m_monitor;
};

}  // namespace platform
