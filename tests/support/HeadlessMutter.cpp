#include "tests/support/HeadlessMutter.h"

#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {
const QString kDisplayConfig = QStringLiteral("org.gnome.Mutter.DisplayConfig");
}

HeadlessMutter::HeadlessMutter(const QVector<QSize>& monitors) {
  const QString mutter = QStandardPaths::findExecutable("mutter");
  if (mutter.isEmpty()) {
    m_whyNot = "mutter is not installed";
    return;
  }
  if (m_bus.address().isEmpty()) {
    m_whyNot = "no private session bus (dbus-daemon missing)";
    return;
  }
  QFile::setPermissions(m_runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QStringList arguments{"--headless", "--wayland", "--no-x11", "--wayland-display", "wayland-varnex"};
  for (const QSize& size : monitors)
    arguments << "--virtual-monitor" << QString("%1x%2").arg(size.width()).arg(size.height());
  m_mutter.setProcessEnvironment(sessionEnvironment());
  m_mutter.setProcessChannelMode(QProcess::MergedChannels);
  m_mutter.start(mutter, arguments);
  if (!m_mutter.waitForStarted(10000)) {
    m_whyNot = "mutter did not start";
    return;
  }
  m_connectionName = "mutter-test-" + m_runtimeDir.path();
  QDBusConnection connection = QDBusConnection::connectToBus(m_bus.address(), m_connectionName);
  // Mutter owns its display configuration name once the monitors are set up.
  const QDeadlineTimer deadline(30000);
  while (!deadline.hasExpired() && m_mutter.state() == QProcess::Running) {
    if (connection.interface()->isServiceRegistered(kDisplayConfig).value()) {
      m_running = true;
      return;
    }
    m_mutter.waitForReadyRead(50);
  }
  m_whyNot = "mutter did not come up: " + QString::fromLocal8Bit(m_mutter.readAll().right(2000));
}

HeadlessMutter::~HeadlessMutter() {
  if (!m_connectionName.isEmpty()) QDBusConnection::disconnectFromBus(m_connectionName);
  if (m_mutter.state() == QProcess::NotRunning) return;
  m_mutter.terminate();
  if (!m_mutter.waitForFinished(10000)) {
    m_mutter.kill();
    m_mutter.waitForFinished(10000);
  }
}

QDBusConnection HeadlessMutter::bus() const { return QDBusConnection(m_connectionName); }

QProcessEnvironment HeadlessMutter::sessionEnvironment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DBUS_SESSION_BUS_ADDRESS", m_bus.address());
  environment.insert("XDG_RUNTIME_DIR", m_runtimeDir.path());
  environment.insert("WAYLAND_DISPLAY", "wayland-varnex");
  environment.insert("XDG_SESSION_TYPE", "wayland");
  environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
  environment.remove("DISPLAY");
  return environment;
}
