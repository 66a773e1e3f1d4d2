// The driver program as a user starts it: with a simulated tablet it runs,
// logs live data and stops cleanly, also when the system asks it to end; a
// wrong value of its own options ends it at once.

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace {

struct DriverRun {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QString standardError;
  QString home;
};

// Starts the driver with a private home; `home` receives its path.
void startDriver(QProcess& driver, const QStringList& arguments, const QString& name, QString& home) {
  home = testenv::freshDir(name);
  // Qt wants the runtime directory private, or it says so on standard error.
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
}

DriverRun runDriver(const QStringList& arguments, const QString& name) {
  DriverRun run;
  QProcess driver;
  startDriver(driver, arguments, name, run.home);
  if (!driver.waitForFinished(30000)) {
    driver.kill();
    driver.waitForFinished();
    return run;
  }
  run.exitCode = driver.exitCode();
  run.status = driver.exitStatus();
  run.standardError = QString::fromUtf8(driver.readAllStandardError());
  return run;
}

QString logText(const QString& home) {
  const QDir logDir(home + "/data/varnex/VarnexDriver/Log");
  QString text;
  for (const QString& page : logDir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
    QFile file(logDir.filePath(page));
    if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
  }
  return text;
}

}  // namespace

TEST(DriverProgram, SimulatedTabletRunsLogsLiveDataAndStopsCleanly) {
  const DriverRun run = runDriver({"--simulate", "LarkA", "--quit-after", "1500"}, "simulate");
  ASSERT_EQ(run.status, QProcess::NormalExit) << run.standardError.toStdString();
  EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();

  const QString log = logText(run.home);
  ASSERT_FALSE(log.isEmpty()) << "no log page below " << run.home.toStdString();
  // One summary a second, with pen reports that went all the way through.
  const QRegularExpression summary("simulated LarkA: [1-9][0-9]* reports sent, .*virtual pen: [1-9][0-9]* reports");
  EXPECT_GE(log.count(summary), 2) << log.toStdString();
  EXPECT_TRUE(log.contains("================progress start================")) << log.toStdString();
  EXPECT_TRUE(log.contains("Lark A")) << log.toStdString();
  // The device path was stopped before the program ended.
  EXPECT_TRUE(log.contains("endReadingDev")) << log.toStdString();
  EXPECT_TRUE(log.contains("VarnexDriver ends with 0")) << log.toStdString();
  // A normal start warns of nothing: a warning here would stand in every
  // user's log at every start.
  // The offscreen platform of the tests has no tray and cannot raise a
  // window; it says so itself, which a desktop never does.
  const QStringList offscreenOnly{"This plugin does not support raise()", "QSystemTrayIcon::setVisible: No Icon set",
                                  "systemTrayWindowChanged"};
  const QRegularExpression warningLine("<div class=\"w\">([^<]*)</div>");
  for (auto match = warningLine.globalMatch(log); match.hasNext();) {
    const QString line = match.next().captured(1);
    bool platformNote = false;
    for (const QString& note : offscreenOnly) platformNote = platformNote || line.contains(note);
    EXPECT_TRUE(platformNote) << line.toStdString();
  }
  EXPECT_FALSE(log.contains("<div class=\"c\">")) << log.toStdString();
}

TEST(DriverProgram, TerminationMidStrokeStopsTheDevicePathAndEndsTheLog) {
  for (int signalNumber : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signalNumber);
    QProcess driver;
    QString home;
    startDriver(driver, {"--simulate", "LarkA"}, "terminated", home);
    ASSERT_TRUE(driver.waitForStarted());
    // Wait until pen reports flow through the virtual pen.
    const QRegularExpression flowing("virtual pen: [1-9][0-9]* reports");
    QElapsedTimer clock;
    clock.start();
    while (!logText(home).contains(flowing) && clock.elapsed() < 20000) QThread::msleep(50);
    ASSERT_TRUE(logText(home).contains(flowing)) << driver.readAllStandardError().toStdString();

    ::kill(pid_t(driver.processId()), signalNumber);
    ASSERT_TRUE(driver.waitForFinished(20000));
    EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(driver.exitCode(), 0);
    const QString log = logText(home);
    EXPECT_TRUE(log.contains("asked to end by")) << log.toStdString();
    EXPECT_TRUE(log.contains("endReadingDev")) << log.toStdString();
    EXPECT_TRUE(log.contains("VarnexDriver ends with 0")) << log.toStdString();
  }
}

TEST(DriverProgram, WrongValueOfOurOptionsEndsWithOneLineAndExitCode2) {
  for (const QStringList& arguments : {QStringList{"--simulate", "Nope"}, QStringList{"--simulate"},
                                       QStringList{"--quit-after", "soon"}, QStringList{"--quit-after", "-5"}}) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const DriverRun run = runDriver(arguments, "refused");
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.standardError.count('\n'), 1) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.startsWith("VarnexDriver: ")) << run.standardError.toStdString();
  }
  EXPECT_TRUE(runDriver({"--simulate", "Nope"}, "nope").standardError.contains("Nope"));
}

TEST(DriverProgram, ModelCanBeNamedByItsNumber) {
  // 24001: the Fjord5pro, a pen display.
  const DriverRun run = runDriver({"--simulate", "24001", "--quit-after", "300"}, "number");
  EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
  EXPECT_TRUE(logText(run.home).contains("simulated Fjord5pro")) << run.standardError.toStdString();
}

TEST(DriverProgram, OtherArgumentsGoToTheApplication) {
  // "--hidden" is the settings window's; Qt ignores what it does not know.
  const DriverRun run = runDriver({"--hidden", "--simulate", "LarkB", "--whatever", "--quit-after", "300"}, "passed");
  EXPECT_EQ(run.status, QProcess::NormalExit);
  EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
  EXPECT_TRUE(logText(run.home).contains("simulated LarkB")) << run.standardError.toStdString();
}
