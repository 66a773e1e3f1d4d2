#pragma once

#include "platform/session/DeviceWatcher.h"
#include "platform/session/sim/SimSession.h"

#include <QPointer>

namespace platform {

// Reports what its SimSession is told; lists nothing once the session is gone.
class SimDeviceWatcher : public DeviceWatcher {
  Q_OBJECT

 public:
  explicit SimDeviceWatcher(SimSession* session);

  bool listPresent(QVector<PresentHidDevice>& devices) override;
  // Every present simulated device opens.
  bool canOpen(const PresentHidDevice& device) override;

 private:
  QPointer<SimSession> m_session;
};

}  // namespace platform
