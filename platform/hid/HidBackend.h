#pragma once

#include "platform/hid/HidConnection.h"
#include "platform/hid/HidInterfaceInfo.h"
#include "platform/hid/VirtualHidDevice.h"

#include <QMutex>
#include <memory>
#include <vector>

namespace platform {

// Enumerates and opens HID interfaces. The process has one current backend:
// the Linux one (hidraw) unless a test or --simulate installs another. Devices
// registered with registerVirtual() are seen through every backend.
class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // Every top-level collection of every present interface with this vendor
  // and product id, real ones first, then in-process ones in registration order.
  std::vector<HidInterfaceInfo> enumerate(uint16_t vendorId, uint16_t productId);

  // Opens the interface of one enumerated collection; null on failure.
  std::unique_ptr<HidConnection> open(const HidInterfaceInfo& which, bool exclusive);

  void registerVirtual(const std::shared_ptr<VirtualHidDevice>& device);
  void unregisterVirtual(const VirtualHidDevice* device);

  // The process-wide backend. install() takes ownership; installing null
  // brings back the default (Linux) backend.
  static HidBackend& current();
  static void install(std::unique_ptr<HidBackend> backend);

 protected:
  virtual std::vector<HidInterfaceInfo> enumerateReal(uint16_t vendorId, uint16_t productId) = 0;
  virtual std::unique_ptr<HidConnection> openReal(const HidInterfaceInfo& which, bool exclusive) = 0;

 private:
  QMutex m_lock;
  std::vector<std::shared_ptr<VirtualHidDevice>> m_virtual;
};

}  // namespace platform
