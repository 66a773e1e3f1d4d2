// The single instance with real processes: each probe starts the way the
// driver does, and the tests start, hand over, and kill them.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

constexpr int kWaitMs = 20000;

class Probe {
 public:
  explicit Probe(const QString& runtimeDir, QStringList arguments = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(SINGLEINSTANCE_PROBE, arguments);
    m_process.waitForStarted(kWaitMs);
  }
  ~Probe() {
    if (m_process.state() != QProcess::NotRunning) {
      m_process.kill();
      m_process.waitForFinished(kWaitMs);
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
      if (clock.elapsed() > kWaitMs) return QByteArray();
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
    m_process.waitForBytesWritten(kWaitMs);
  }
  // The exit code once it ended by itself; -1 when it did not end in time.
  int exitCode() {
    if (!m_process.waitForFinished(kWaitMs) || m_process.exitStatus() != QProcess::NormalExit) return -1;
    return m_process.exitCode();
  }
  void killHard() {
    ::kill(pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished(kWaitMs);
  }

 private:
  QProcess m_process;
  QList<QByteArray> m_lines;
};

class SingleInstanceTest : public ::testing::Test {
 protected:
  QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverAndEnds) {
  Probe first(runtime.path());
  ASSERT_EQ(first.waitForLine("published"), "published");

  Probe second(runtime.path());
  EXPECT_EQ(second.waitForLine("second"), "second");
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");

  // A third start hands over again: the first keeps its place.
  Probe third(runtime.path());
  EXPECT_EQ(third.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
}

TEST_F(SingleInstanceTest, AStartBeforeTheFirstHasPublishedSendsNothing) {
  Probe first(runtime.path(), {"--late-publish"});
  ASSERT_EQ(first.waitForLine("first"), "first");

  Probe quick(runtime.path());
  EXPECT_EQ(quick.waitForLine("second"), "second");
  EXPECT_EQ(quick.exitCode(), 0);

  first.send("publish");
  ASSERT_EQ(first.waitForLine("published"), "published");
  Probe later(runtime.path());
  EXPECT_EQ(later.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
  EXPECT_EQ(first.lines().count("received 10086 01000000"), 1) << "the quick start must not have been delivered";
}

TEST_F(SingleInstanceTest, AKilledInstanceNeverBlocksTheNextStart) {
  auto first = std::make_unique<Probe>(runtime.path());
  ASSERT_EQ(first->waitForLine("published"), "published");
  // A program the driver started outlives it; it must not keep the instance.
  first->send("spawn");
  const QByteArray child = first->waitForLine("child");
  ASSERT_FALSE(child.isEmpty());
  first->killHard();

  Probe next(runtime.path());
  EXPECT_EQ(next.waitForLine("first"), "first");
  // Its hand-over point replaces the one the killed instance left behind.
  EXPECT_EQ(next.waitForLine("published"), "published");
  Probe after(runtime.path());
  EXPECT_EQ(after.exitCode(), 0);
  EXPECT_EQ(next.waitForLine("received"), "received 10086 01000000");

  ::kill(pid_t(child.mid(6).toLongLong()), SIGKILL);
}

TEST_F(SingleInstanceTest, AfterTheFirstEndsTheNextStartIsFirst) {
  {
    Probe first(runtime.path());
    ASSERT_EQ(first.waitForLine("published"), "published");
    first.send("quit");
    EXPECT_EQ(first.exitCode(), 0);
  }
  Probe next(runtime.path());
  EXPECT_EQ(next.waitForLine("published"), "published");
}

}  // namespace
