#include "platform/session/sim/SimDeviceWatcher.h"

namespace platform {

SimDeviceWatcher::SimDeviceWatcher(SimSession* session) : m_session(session) {
  if (!session) return;
  connect(session, &SimSession::deviceArrived, this, &DeviceWatcher::deviceArrived);
  connect(session, &SimSession::deviceRemoved, this, &DeviceWatcher::deviceRemoved);
}

bool SimDeviceWatcher::listPresent(QVector<PresentHidDevice>& devices) {
  devices.clear();
  return m_session && m_session->listPresent(devices);
}

bool SimDeviceWatcher::canOpen(const PresentHidDevice& device) {
  return m_session && m_session->present().contains(device.name);
}

}  // namespace platform
