// The driver program as a user starts it: with a simulated tablet it runs,
// logs live data and stops cleanly; a wrong command line ends it at once.

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct DriverRun {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QString standardError;
  QString home;
};

DriverRun runDriver(const QStringList& arguments, const QString& name) {
  DriverRun run;
  run.home = testenv::freshDir(name);
  // Qt wants the runtime directory private, or it says so on standard error.
  QFile::setPermissions(run.home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", run.home);
  environment.insert("XDG_DATA_HOME", run.home + "/data");
  environment.insert("XDG_CONFIG_HOME", run.home + "/config");
  environment.insert("XDG_CACHE_HOME", run.home + "/cache");
  environment.insert("XDG_RUNTIME_DIR", run.home);
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess driver;
  driver.setProcessEnvironment(environment);
  driver.start(testenv::binaryDir() + "/driver/VarnexDriver", arguments);
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
  // The device path was stopped before the program ended.
  EXPECT_TRUE(log.contains("device path stopped")) << log.toStdString();
  // A normal start warns of nothing: a warning here would stand in every
  // user's log at every start.
  EXPECT_FALSE(log.contains("<div class=\"w\">")) << log.toStdString();
  EXPECT_FALSE(log.contains("<div class=\"c\">")) << log.toStdString();
}

TEST(DriverProgram, UnknownModelOrOptionEndsWithOneLineAndExitCode2) {
  for (const QStringList& arguments : {QStringList{"--simulate", "Nope"}, QStringList{"--simulate"},
                                       QStringList{"--quit-after", "soon"}, QStringList{"--fast"}}) {
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
