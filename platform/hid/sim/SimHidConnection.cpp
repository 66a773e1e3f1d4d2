#include "platform/hid/sim/SimHidConnection.h"

#include "platform/hid/sim/SimHidDevice.h"

namespace platform {

SimHidConnection::SimHidConnection(std::shared_ptr<SimHidDevice> device, int collection, bool exclusive)
    : m_device(std::move(device)), m_collection(collection), m_exclusive(exclusive) {}

SimHidConnection::~SimHidConnection() { m_device->closed(*this); }

int SimHidConnection::receive(uint8_t* buffer, int length, int timeoutMs) {
  return m_device->read(*this, buffer, length, timeoutMs);
}

void SimHidConnection::cancelRead() { m_device->cancelRead(*this); }

int SimHidConnection::write(const uint8_t* data, int length) {
  return m_device->write(m_collection, SimHidDevice::ReportKind::Output, data, length);
}

bool SimHidConnection::setFeature(const uint8_t* data, int length) {
  return m_device->write(m_collection, SimHidDevice::ReportKind::Feature, data, length) > 0;
}

QByteArray SimHidConnection::indexedString(int index) { return m_device->indexedString(index); }

bool SimHidConnection::isGone() const { return m_device->isGone(); }

}  // namespace platform
