#include "platform/session/sim/SimSession.h"

#include "platform/session/DeviceWatcher.h"
#include "platform/session/PowerWatcher.h"
#include "platform/session/sim/SimDeviceWatcher.h"
#include "platform/session/sim/SimPowerWatcher.h"

#include <QPointer>

namespace platform {

SimSession::SimSession(QObject* parent) : QObject(parent) {
  QPointer<SimSession> self(this);
  DeviceWatcher::installFactory([self] { return std::make_unique<SimDeviceWatcher>(self); });
  PowerWatcher::installFactory([self] { return std::make_unique<SimPowerWatcher>(self); });
}

SimSession::~SimSession() {
  DeviceWatcher::installFactory(nullptr);
  PowerWatcher::installFactory(nullptr);
}

void SimSession::plugIn(const QString& deviceName) {
  if (!m_present.contains(deviceName)) m_present << deviceName;
  emit deviceArrived(deviceName);
}

void SimSession::unplug(const QString& deviceName) {
  m_present.removeAll(deviceName);
  emit deviceRemoved(deviceName);
}

bool SimSession::listPresent(QVector<PresentHidDevice>& devices) const {
  devices.clear();
  if (m_enumerationFails) return false;
  for (const QString& name : m_present) devices.append(PresentHidDevice{name, QStringLiteral("sim:") + name});
  return true;
}

}  // namespace platform
