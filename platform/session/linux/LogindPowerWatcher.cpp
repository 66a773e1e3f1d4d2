#include "platform/session/linux/LogindPowerWatcher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcPowerWatcher, "varnex.session")

namespace platform {

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
}  // namespace

LogindPowerWatcher::LogindPowerWatcher(QDBusConnection bus) : m_bus(std::move(bus)) {
  if (!m_bus.isConnected()) {
    complainOnce(QStringLiteral("no system bus (%1)").arg(m_bus.lastError().message()));
    return;
  }
  const bool sleepWatched =
      m_bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
  const bool shutdownWatched = m_bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForShutdown"), this,
                                             SLOT(onPrepareForShutdown(bool)));
  if (!sleepWatched || !shutdownWatched) {
    complainOnce(QStringLiteral("cannot listen to logind (%1)").arg(m_bus.lastError().message()));
    return;
  }
  m_wantSleepDelay = true;
  takeSleepDelay();
}

void LogindPowerWatcher::complainOnce(const QString& why) {
  if (m_complained) return;
  m_complained = true;
  qCWarning(lcPowerWatcher).noquote() << "sleep and wake go unnoticed:" << why;
}

void LogindPowerWatcher::takeSleepDelay() {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
  call << QStringLiteral("sleep") << QStringLiteral("Varnex tablet driver")
       << QStringLiteral("Closing the tablet before the machine sleeps") << QStringLiteral("delay");
  // Never block the GUI thread on the bus: the answer comes back as an event.
  auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
  connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
    if (reply.isError()) {
      complainOnce(QStringLiteral("logind refused a sleep delay (%1)").arg(reply.error().message()));
      return;
    }
    // A lock that arrives after we stopped wanting it (the machine went to
    // sleep meanwhile) is let go at once by dropping it here.
    if (m_wantSleepDelay && !m_sleepDelay.isValid()) m_sleepDelay = reply.value();
  });
}

void LogindPowerWatcher::releaseSleepDelay() {
  // Closing our copy of the descriptor is what lets logind go on.
  m_sleepDelay = QDBusUnixFileDescriptor();
}

void LogindPowerWatcher::onPrepareForSleep(bool beforeSleep) {
  if (beforeSleep) {
    m_wantSleepDelay = false;
    emit suspending();
    releaseSleepDelay();
  } else {
    emit resumed();
    m_wantSleepDelay = true;
    takeSleepDelay();
  }
}

void LogindPowerWatcher::onPrepareForShutdown(bool beforeShutdown) {
  if (beforeShutdown) emit shuttingDown();
}

std::unique_ptr<PowerWatcher> createDefaultPowerWatcher() {
  return std::make_unique<LogindPowerWatcher>(QDBusConnection::systemBus());
}

}  // namespace platform
