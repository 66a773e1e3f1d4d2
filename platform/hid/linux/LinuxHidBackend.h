#pragma once

#include "platform/hid/HidBackend.h"

#include <QString>

namespace platform {

// hidraw: enumeration from /sys/class/hidraw, I/O on /dev/hidrawN. Both roots
// can be moved so tests run against a fake tree.
class LinuxHidBackend : public HidBackend {
 public:
  explicit LinuxHidBackend(QString sysfsRoot = "/sys", QString devRoot = "/dev");

 protected:
  std::vector<HidInterfaceInfo> enumerateReal(uint16_t vendorId, uint16_t productId) override;
  std::unique_ptr<HidConnection> openReal(const HidInterfaceInfo& which, bool exclusive) override;

 private:
  QString m_sysfsRoot;
  QString m_devRoot;
};

}  // namespace platform
