#include "platform/session/linux/KWinForegroundWatcher.h"

#include "platform/process/linux/ProcessTable.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QMutex>

#include <unistd.h>
#include <atomic>

Q_DECLARE_LOGGING_CATEGORY(lcForeground)

namespace platform {

namespace {

const char kKWinService[] = "org.kde.KWin";
const char kScriptingPath[] = "/Scripting";
const char kScriptingInterface[] = "org.kde.kwin.Scripting";
constexpr int kCallTimeoutMs = 2000;

std::atomic_int s_watchers{0};

// KWin names windows by an id of its own; the foreground loop wants numbers.
// The numbers are the process's, not one watcher's: the loop keeps the last
// number it acted on across a replug, which makes a new watcher, and a new
// watcher counting from 1 again would give another window that same number.
// The window last numbered keeps its number, so the window still in front
// after a replug is not taken for a new one.
QMutex s_numbersLock;
quint64 s_lastNumber = 0;
QString s_lastNumberedId;

quint64 windowNumberOf(const QString& windowId) {
  QMutexLocker locker(&s_numbersLock);
  if (windowId != s_lastNumberedId) {
    s_lastNumberedId = windowId;
    ++s_lastNumber;
  }
  return s_lastNumber;
}

// Plasma 6 names the active window workspace.activeWindow and its signal
// windowActivated; Plasma 5 says client for window.
const char kScript[] = R"(
(function () {
  function report(window) {
    callDBus("%1", "%2", "org.varnex.Foreground", "activated",
             window ? String(window.pid) : "0", window ? String(window.internalId) : "");
  }
  if (workspace.windowActivated) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
  } else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
  }
})();
)";

}  // namespace

KWinForegroundWatcher::KWinForegroundWatcher(QDBusConnection bus, std::string procRoot)
    : m_bus(std::move(bus)), m_procRoot(std::move(procRoot)) {
  const int number = s_watchers++;
  m_objectPath = QStringLiteral("/org/varnex/Foreground%1").arg(number);
  m_pluginName = QStringLiteral("varnex-foreground-%1-%2").arg(getpid()).arg(number);
  if (!m_bus.isConnected() || !m_bus.registerObject(m_objectPath, this, QDBusConnection::ExportScriptableSlots)) {
    return;
  }
  m_scriptLoaded = loadScript();
}

KWinForegroundWatcher::~KWinForegroundWatcher() {
  if (m_scriptLoaded) {
    QDBusMessage unload = QDBusMessage::createMethodCall(kKWinService, kScriptingPath, kScriptingInterface,
                                                         QStringLiteral("unloadScript"));
    unload << m_pluginName;
    m_bus.call(unload, QDBus::Block, kCallTimeoutMs);
  }
  if (m_bus.isConnected()) m_bus.unregisterObject(m_objectPath);
}

bool KWinForegroundWatcher::kwinPresent(const QDBusConnection& bus) {
  return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kKWinService).value();
}

bool KWinForegroundWatcher::loadScript() {
  if (!m_script.open()) return false;
  m_script.write(QString::fromLatin1(kScript).arg(m_bus.baseService(), m_objectPath).toUtf8());
  m_script.flush();

  QDBusMessage load =
      QDBusMessage::createMethodCall(kKWinService, kScriptingPath, kScriptingInterface, QStringLiteral("loadScript"));
  load << m_script.fileName() << m_pluginName;
  const QDBusMessage loaded = m_bus.call(load, QDBus::Block, kCallTimeoutMs);
  const int id = loaded.arguments().value(0, -1).toInt();
  if (loaded.type() != QDBusMessage::ReplyMessage || id < 0) {
    qCWarning(lcForeground) << "KWin did not take the foreground script:" << loaded.errorMessage();
    return false;
  }
  // The script's object is /Scripting/Script<id> since Plasma 6, /<id> before.
  for (const QString& path : {QStringLiteral("/Scripting/Script%1").arg(id), QStringLiteral("/%1").arg(id)}) {
    const QDBusMessage run =
        m_bus.call(QDBusMessage::createMethodCall(kKWinService, path, QStringLiteral("org.kde.kwin.Script"),
                                                  QStringLiteral("run")),
                   QDBus::Block, kCallTimeoutMs);
    if (run.type() == QDBusMessage::ReplyMessage) return true;
  }
  qCWarning(lcForeground) << "KWin loaded the foreground script but did not run it";
  return true;  // loaded: unloaded again on destruction
}

void KWinForegroundWatcher::activated(const QString& pid, const QString& windowId) {
  if (windowId.isEmpty()) {
    m_active = 0;
    return;
  }
  if (windowId != m_activeId) {
    m_activeId = windowId;
    m_active = windowNumberOf(windowId);
  }
  m_activePid = pid.toInt();
}

quint64 KWinForegroundWatcher::activeWindow() {
  // The script's calls wait as events of this thread.
  QCoreApplication::sendPostedEvents(this);
  return m_active;
}

QString KWinForegroundWatcher::programOf(quint64 window) {
  if (window == 0 || window != m_active || m_activePid <= 0) return QString();
  return QString::fromStdString(ProcessTable(m_procRoot).programPath(m_activePid));
}

}  // namespace platform
