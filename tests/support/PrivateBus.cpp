#include "tests/support/PrivateBus.h"

#include <QStandardPaths>

PrivateBus::PrivateBus() {
  const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
  if (daemon.isEmpty()) return;
  m_daemon.start(daemon, {"--session", "--nofork", "--nopidfile", "--print-address",
                          "--address=unix:path=" + m_dir.path() + "/bus"});
  if (!m_daemon.waitForStarted(10000)) return;
  while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
  }
  m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
}

PrivateBus::~PrivateBus() {
  if (m_daemon.state() == QProcess::NotRunning) return;
  m_daemon.kill();
  m_daemon.waitForFinished(10000);
}
