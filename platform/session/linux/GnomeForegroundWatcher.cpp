#include "platform/session/linux/GnomeForegroundWatcher.h"

#include "platform/session/linux/AppIdProgram.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace platform {

namespace {
// Answered from the shell's own state; a shell that takes longer is busy,
// and the next poll asks again.
constexpr int kCallTimeoutMs = 500;
}  // namespace

GnomeForegroundWatcher::GnomeForegroundWatcher(QDBusConnection bus, std::string procRoot)
    : m_bus(std::move(bus)), m_procRoot(std::move(procRoot)) {}

bool GnomeForegroundWatcher::extensionPresent(const QDBusConnection& bus) {
  return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kService).value();
}

bool GnomeForegroundWatcher::shellPresent(const QDBusConnection& bus) {
  return bus.isConnected() && bus.interface() &&
         bus.interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell")).value();
}

quint64 GnomeForegroundWatcher::activeWindow() {
  const QDBusMessage reply = m_bus.call(
      QDBusMessage::createMethodCall(kService, QStringLiteral("/org/varnex/Foreground"), kService,
                                     QStringLiteral("FocusedWindow")),
      QDBus::Block, kCallTimeoutMs);
  const QVariantList answer = reply.arguments();
  if (reply.type() != QDBusMessage::ReplyMessage || answer.size() != 3) return 0;
  m_pid = int(answer.at(0).toUInt());
  m_appId = answer.at(1).toString();
  // Meta's window ids start at 1 and are never reused while the shell runs.
  m_window = answer.at(2).toULongLong();
  return m_window;
}

QString GnomeForegroundWatcher::programOf(quint64 window) {
  if (window == 0 || window != m_window) return QString();
  return programOfWindow(m_procRoot, m_pid, m_appId);
}

}  // namespace platform
