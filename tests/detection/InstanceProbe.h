#pragma once

// A single-instance probe (or any program) started as a real process, with
// its standard output read line by line.

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

inline constexpr int kProbeWaitMs = 20000;

class Probe {
 public:
  explicit Probe(const QString& runtimeDir, QStringList arguments = {})
      : Probe(withRuntimeDir(runtimeDir), SINGLEINSTANCE_PROBE, arguments, QProcess::ForwardedErrorChannel) {}
  // Any program, in any environment; `channels` MergedChannels to read its
  // warnings among its lines.
  Probe(const QProcessEnvironment& environment, const QString& program, const QStringList& arguments,
        QProcess::ProcessChannelMode channels) {
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(channels);
    m_process.start(program, arguments);
    m_process.waitForStarted(kProbeWaitMs);
  }
  static QProcessEnvironment withRuntimeDir(const QString& runtimeDir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    return environment;
  }
  ~Probe() {
    if (m_process.state() != QProcess::NotRunning) {
      m_process.kill();
      m_process.waitForFinished(kProbeWaitMs);
    }
  }

  // Waits for a line that starts with `prefix`; the whole line, or "" when
  // the probe ended or took too long.
  QByteArray waitForLine(const QByteArray& prefix) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
      while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        m_lines << line;
        if (line.startsWith(prefix)) return line;
      }
      if (clock.elapsed() > kProbeWaitMs) return QByteArray();
      if (!m_process.waitForReadyRead(200) && m_process.state() == QProcess::NotRunning && !m_process.canReadLine()) {
        return QByteArray();
      }
    }
  }
  // Lines seen so far plus any still unread.
  QList<QByteArray> lines() {
    while (m_process.canReadLine()) m_lines << m_process.readLine().trimmed();
    return m_lines;
  }
  void send(const QByteArray& command) {
    m_process.write(command + "\n");
    m_process.waitForBytesWritten(kProbeWaitMs);
  }
  // The exit code once it ended by itself; -1 when it did not end in time.
  int exitCode() {
    if (!m_process.waitForFinished(kProbeWaitMs) || m_process.exitStatus() != QProcess::NormalExit) return -1;
    return m_process.exitCode();
  }
  void killHard() {
    ::kill(pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished(kProbeWaitMs);
  }

 private:
  QProcess m_process;
  QList<QByteArray> m_lines;
};
