#pragma once

#include "platform/session/PowerWatcher.h"
#include "platform/session/sim/SimSession.h"

namespace platform {

// Passes on its SimSession's suspend, resume and power-off.
class SimPowerWatcher : public PowerWatcher {
  Q_OBJECT

 public:
  explicit SimPowerWatcher(SimSession* session);
};

}  // namespace platform
