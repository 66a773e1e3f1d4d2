// tabletreplay as a program: exit codes, its one line of complaint, and that
// it never writes the settings file it is given.

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

namespace {

struct ReplayRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ReplayRun replay(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(testenv::binaryDir() + "/bin/tabletreplay", arguments);
  process.write(input);
  process.closeWriteChannel();
  ReplayRun run;
  if (!process.waitForFinished(20000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QString writeFile(const QString& name, const QByteArray& content) {
  const QString path = testenv::freshDir("replay-" + name) + "/" + name;
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(content);
  return path;
}

TEST(ReplayProgram, ComplainsInOneLineWithExitCode2) {
  ReplayRun run = replay({"--model", "K99"}, "");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.count('\n'), 1);
  EXPECT_TRUE(run.err.contains("K99"));
  EXPECT_TRUE(run.out.isEmpty());

  run = replay({"--model", "LarkA"}, "02 A0 00\n# fine\n\nwait 1\n02 A0 0\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.count('\n'), 1);
  EXPECT_TRUE(run.err.contains("line 5")) << run.err.constData();
  EXPECT_TRUE(run.out.isEmpty());  // nothing ran

  run = replay({"--model", "LarkA", "--settings", testenv::homeDir() + "/no-such.ini"}, "");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.count('\n'), 1);
}

TEST(ReplayProgram, NeverWritesTheSettingsFileItIsGiven) {
  // A short press of the dial's centre key moves the current roller entry,
  // which the driver stores.
  const QByteArray settings = "[CommonKey]\nCurrentSwivelKey=15\n";
  const QString path = writeFile("LarkC_config.ini", settings);
  const QByteArray reports = "02 A0\n02 F0 08 03\n02 F0 00 00\n";
  for (int run = 0; run < 2; ++run) {
    const ReplayRun result = replay({"--model", "LarkC", "--settings", path}, reports);
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    // The same answer twice: the second run did not see the first one's move.
    EXPECT_TRUE(result.out.contains("hint R2:")) << result.out.constData();
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), settings);
}

}  // namespace
