#pragma once

#include "platform/session/PowerWatcher.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

namespace platform {

// Sleep, wake and power-off from logind (org.freedesktop.login1 on the
// system bus). While running it holds a "sleep" inhibitor lock in "delay"
// mode, so logind waits before suspending until suspending() has been
// handled and the lock let go; the lock is taken again after wake.
class LogindPowerWatcher : public PowerWatcher {
  Q_OBJECT

 public:
  explicit LogindPowerWatcher(QDBusConnection bus);

  // Whether the sleep delay lock is held now.
  bool holdsSleepDelay() const { return m_sleepDelay.isValid(); }

 private slots:
  void onPrepareForSleep(bool beforeSleep);
  void onPrepareForShutdown(bool beforeShutdown);

 private:
  void takeSleepDelay();
  void releaseSleepDelay();
  void complainOnce(const QString& why);

  QDBusConnection m_bus;
  QDBusUnixFileDescriptor m_sleepDelay;
  bool m_wantSleepDelay = false;
  bool m_complained = false;
};

}  // namespace platform
