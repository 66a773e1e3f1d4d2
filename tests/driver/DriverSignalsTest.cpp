// Requests to end that come while the driver is still starting, or while it
// is already tearing down: the driver ends as cleanly as at any other time,
// with exit code 0 and a whole log.

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace {

class DriverSignalsTest : public ::testing::Test {
 protected:
  void start(const QStringList& arguments) {
    home = testenv::freshDir("signals");
    QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_CACHE_HOME", home + "/cache");
    environment.insert("XDG_RUNTIME_DIR", home);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    testenv::useWindowSanitizerOptions(environment);
    driver.setProcessEnvironment(environment);
    driver.start(testenv::binaryDir() + "/driver/VarnexDriver", arguments);
    ASSERT_TRUE(driver.waitForStarted());
  }
  QString log() const {
    const QDir logDir(home + "/data/varnex/VarnexDriver/Log");
    QString text;
    for (const QString& page : logDir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
      QFile file(logDir.filePath(page));
      if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
    }
    return text;
  }
  // True once the driver has opened its instance lock: its first step after
  // reading its options, long before it has an application object.
  bool holdsTheInstanceLock() const {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(driver.processId()));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
      if (fd.symLinkTarget().endsWith(".lock")) return true;
    }
    return false;
  }
  void expectCleanEnd() {
    if (driver.state() != QProcess::NotRunning) ASSERT_TRUE(driver.waitForFinished(30000));
    EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit) << "ended by signal " << driver.exitCode();
    EXPECT_EQ(driver.exitCode(), 0);
    const QString text = log();
    EXPECT_TRUE(text.contains("================progress start================")) << text.toStdString();
    EXPECT_TRUE(text.contains("VarnexDriver ends with 0")) << text.toStdString();
  }

  QProcess driver;
  QString home;
};

TEST_F(DriverSignalsTest, ARequestWhileStartingEndsTheDriverCleanly) {
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signalNumber);
    start({"--simulate", "LarkA"});
    QElapsedTimer clock;
    clock.start();
    while (!holdsTheInstanceLock() && driver.state() == QProcess::Running && clock.elapsed() < 20000)
      QThread::usleep(200);
    ASSERT_TRUE(holdsTheInstanceLock());
    ::kill(pid_t(driver.processId()), signalNumber);
    expectCleanEnd();
    EXPECT_TRUE(log().contains("asked to end by"));
  }
}

TEST_F(DriverSignalsTest, ARequestDuringTeardownChangesNothing) {
  start({"--simulate", "LarkA", "--quit-after", "800"});
  QElapsedTimer clock;
  clock.start();
  // The device path stops first as the driver tears down; from then on a
  // hang-up comes every millisecond until the process is gone.
  while (!log().contains("endReadingDev") && driver.state() == QProcess::Running && clock.elapsed() < 20000)
    QThread::msleep(5);
  ASSERT_TRUE(log().contains("endReadingDev")) << log().toStdString();
  while (driver.state() == QProcess::Running && !driver.waitForFinished(1)) ::kill(pid_t(driver.processId()), SIGHUP);
  expectCleanEnd();
}

}  // namespace
