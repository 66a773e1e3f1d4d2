#include "platform/session/sim/SimPowerWatcher.h"

namespace platform {

SimPowerWatcher::SimPowerWatcher(SimSession* session) {
  if (!session) return;
  connect(session, &SimSession::suspending, this, &PowerWatcher::suspending);
  connect(session, &SimSession::resumed, this, &PowerWatcher::resumed);
  connect(session, &SimSession::shuttingDown, this, &PowerWatcher::shuttingDown);
}

}  // namespace platform
