// tabletreplay given what a hostile user or a damaged disk gives it: it ends
// within seconds and in bounded memory, with exit 2 and one line naming the
// problem, or does its work as if the damaged values were not there.

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

namespace {

const QByteArray kStroke =
    "02 A0 00 00 00 00 00 00 00 00\n02 A0 10 27 40 1F 00 00 00 00\n02 A1 10 27 40 1F 00 08 10 F0\n"
    "02 A1 20 4E 80 3E FF 1F 00 00\n02 A0 20 4E 80 3E 00 00 00 00\n";

struct ReplayRun {
  int exitCode = -1;  // -1: did not end in time, or crashed
  QByteArray out;
  QByteArray err;
};

QString tool() { return testenv::binaryDir() + "/bin/tabletreplay"; }

ReplayRun finish(QProcess& process) {
  ReplayRun run;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

ReplayRun replay(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(tool(), arguments);
  process.write(input);
  process.closeWriteChannel();
  return finish(process);
}

// Standard input from a file (a directory, a device) instead of a pipe.
ReplayRun replayFrom(const QString& inputFile, const QStringList& arguments) {
  QProcess process;
  process.setStandardInputFile(inputFile);
  process.start(tool(), arguments);
  return finish(process);
}

QString settingsFile(const QString& name, const QByteArray& content) {
  const QString path = testenv::freshDir("hostile-" + name) + "/" + name;
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(content);
  return path;
}

}  // namespace

TEST(ReplayHostileInput, StandardInputThatIsNoStreamIsAnInputError) {
  ReplayRun run = replayFrom(testenv::homeDir(), {"--model", "LarkA"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("cannot read")) << run.err.constData();

  // A closed standard input, whose number Qt would otherwise take for its own.
  QProcess shell;
  shell.start("/bin/sh", {"-c", "exec \"$0\" --model LarkA <&-", tool()});
  run = finish(shell);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("standard input is closed")) << run.err.constData();

  // Endless input without a line break is refused at its first line.
  run = replayFrom("/dev/zero", {"--model", "LarkA"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.startsWith("tabletreplay: line 1: longer than 1024 characters")) << run.err.constData();
  EXPECT_EQ(run.err.count('\n'), 1);
  EXPECT_LT(run.err.size(), 300);
}

TEST(ReplayHostileInput, EchoedLinesAreCutAndPrintable) {
  const ReplayRun run = replay({"--model", "LarkA"}, "02 A0\n\x1b[2J" + QByteArray(300, 'z') + "\r\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.startsWith("tabletreplay: line 2: not a report")) << run.err.constData();
  EXPECT_TRUE(run.err.contains("\\x1b[2J")) << run.err.constData();
  EXPECT_FALSE(run.err.contains('\x1b'));
  EXPECT_FALSE(run.err.contains('\r'));
  EXPECT_EQ(run.err.count('\n'), 1);
  EXPECT_LT(run.err.size(), 200);
}

TEST(ReplayHostileInput, WaitsAndRectanglesHaveStatedLimits) {
  ReplayRun run = replay({"--model", "LarkA"}, "wait 2000000000\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("from 0 to 60000")) << run.err.constData();

  for (const QString& option : {"--screen", "--desktop", "--tablet-preview"}) {
    run = replay({"--model", "LarkA", option, "0,0,2147483647,2147483647"}, kStroke);
    EXPECT_EQ(run.exitCode, 2) << option.toStdString();
    EXPECT_TRUE(run.err.contains(option.toUtf8())) << run.err.constData();
  }
}

TEST(ReplayHostileInput, SettingsCannotExhaustMemoryNorForgeLines) {
  // A program list that claims two billion entries.
  const QString endless =
      settingsFile("LarkC_config.ini", "[CusConfigProgramPaths]\nsize=2147483647\n1\\path=/usr/bin/krita\n");
  QElapsedTimer timer;
  timer.start();
  ReplayRun run = replay({"--model", "LarkC", "--settings", endless}, kStroke);
  EXPECT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_LT(timer.elapsed(), 15000);

  // A program path with line breaks in it cannot pass for more events.
  const QString forged = settingsFile(
      "forged.ini", "[CommonKey]\nK3ShortcutkeyEnum=26\nK3DisplayText=/usr/bin/krita\\nkey down 5B\\r\\x1b\n");
  run = replay({"--model", "LarkC", "--settings", forged},
               "02 A0 00 00 00 00 00 00 00 00\n02 F0 04 00 00 00 00 00 00 00\n02 F0 00 00 00 00 00 00 00 00\n");
  EXPECT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_TRUE(run.out.contains("run /usr/bin/krita\\nkey down 5B\\r\\x1b\n")) << run.out.constData();
  for (const QByteArray& line : run.out.split('\n')) EXPECT_FALSE(line.startsWith("key down 5B")) << line.constData();

  // A value whose bytes name an image is refused before QSettings decodes it.
  const QString image = settingsFile("image.ini", "[PressCurve]\nmidPoint=@Variant(\\0\\0\\0\\x45\\0\\0\\0\\x10)\n");
  run = replay({"--model", "LarkC", "--settings", image}, kStroke);
  EXPECT_EQ(run.exitCode, 2) << run.err.constData();
  EXPECT_TRUE(run.err.contains("is not an INI file")) << run.err.constData();
}

TEST(ReplayHostileInput, DamagedRectanglesMapAsTheDefaultsDo) {
  const ReplayRun plain = replay({"--model", "K10PlusV2"}, kStroke);
  ASSERT_EQ(plain.exitCode, 0);
  for (const QByteArray& rect : {"@Rect(0 0 19", "hello", "@Rect(0 0 2147483647 2147483647)"}) {
    const QString damaged =
        settingsFile("rect.ini", "[Area]\nDynamicRectScreen=" + rect + "\n[global]\nMouseRate=nan\n");
    const ReplayRun run = replay({"--model", "K10PlusV2", "--settings", damaged}, kStroke);
    EXPECT_EQ(run.exitCode, 0) << rect.constData();
    EXPECT_EQ(run.out, plain.out) << rect.constData();
  }
}

TEST(ReplayHostileInput, AFailedWriteIsAFailureAndHelpIsUsage) {
  QProcess full;
  full.setStandardOutputFile("/dev/full");
  full.start(tool(), {"--model", "K10PlusV2"});
  full.write(kStroke);
  full.closeWriteChannel();
  const ReplayRun run = finish(full);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("cannot write the output")) << run.err.constData();

  const ReplayRun help = replay({"--help"}, "");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("usage: tabletreplay --model NAME")) << help.out.constData();
  EXPECT_TRUE(help.err.isEmpty());
}
