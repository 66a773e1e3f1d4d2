#include "platform/hid/HidBackend.h"

#include "platform/hid/linux/LinuxHidBackend.h"

#include <QMutexLocker>
#include <algorithm>

namespace platform {

namespace {
std::unique_ptr<HidBackend>& slot() {
  static std::unique_ptr<HidBackend> backend;
  return backend;
}
QMutex& slotLock() {
  static QMutex lock;
  return lock;
}
}  // namespace

HidBackend& HidBackend::current() {
  QMutexLocker locker(&slotLock());
  if (!slot()) slot() = std::make_unique<LinuxHidBackend>();
  return *slot();
}

void HidBackend::install(std::unique_ptr<HidBackend> backend) {
  QMutexLocker locker(&slotLock());
  slot() = std::move(backend);
}

std::vector<HidInterfaceInfo> HidBackend::enumerate(uint16_t vendorId, uint16_t productId) {
  std::vector<HidInterfaceInfo> found = enumerateReal(vendorId, productId);
  QMutexLocker locker(&m_lock);
  for (const auto& device : m_virtual) {
    for (const HidInterfaceInfo& info : device->interfaces()) {
      if (info.vendorId == vendorId && info.productId == productId) found.push_back(info);
    }
  }
  return found;
}

std::unique_ptr<HidConnection> HidBackend::open(const HidInterfaceInfo& which, bool exclusive) {
  std::shared_ptr<VirtualHidDevice> owner;
  {
    QMutexLocker locker(&m_lock);
    for (const auto& device : m_virtual) {
      for (const HidInterfaceInfo& info : device->interfaces()) {
        if (info.path == which.path) owner = device;
      }
    }
  }
  if (owner) return owner->open(which, exclusive);
  return openReal(which, exclusive);
}

void HidBackend::registerVirtual(const std::shared_ptr<VirtualHidDevice>& device) {
  QMutexLocker locker(&m_lock);
  m_virtual.push_back(device);
}

void HidBackend::unregisterVirtual(const VirtualHidDevice* device) {
  QMutexLocker locker(&m_lock);
  m_virtual.erase(std::remove_if(m_virtual.begin(), m_virtual.end(),
                                 [device](const auto& entry) { return entry.get() == device; }),
                  m_virtual.end());
}

}  // namespace platform
