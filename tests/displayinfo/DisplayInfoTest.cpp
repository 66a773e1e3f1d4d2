#include "tests/display/EdidBuilder.h"
#include "tests/platform/InputXvfbServer.h"
#include "tests/support/HeadlessCompositor.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

struct ProgramRun {
  int exitCode;
  QString out;
  QString err;
};

// The program itself, as a user runs it.
ProgramRun displayinfo(const QStringList& arguments) {
  QProcess process;
  process.start(testenv::binaryDir() + "/bin/displayinfo", arguments);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

class DisplayInfoProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = testenv::freshDir("displayinfo");
    QDir(m_dir).mkpath("edids");
    writeFile(m_dir + "/edids/dell.bin", edidNamed("DELL U2720Q"));
    writeFile(m_dir + "/edids/fjord5.bin", edidNamed("HDMI1"));
    writeFile(m_dir + "/desk.txt",
              "# a desk monitor left of the pen display\n"
              "DP-1 0 0 2560 1440 0 edids/dell.bin\n"
              "\n"
              "HDMI-1   2560 0 1080 1920 1 " +
                  (m_dir + "/edids/fjord5.bin").toUtf8() +
                  "\n"
                  "VGA-1 -1024 0 1024 768 0 -\n");
  }
  QString m_dir;
};

}  // namespace

TEST_F(DisplayInfoProgram, ListsTheDescribedOutputsAndThePenDisplayOfTheModel) {
  const ProgramRun run = displayinfo({"--model", "fjord5", "--outputs", m_dir + "/desk.txt"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out,
            "output DP-1 0 0 2560 1440 0 \"DELL U2720Q\"\n"
            "output HDMI-1 2560 0 1080 1920 1 \"HDMI1\"\n"
            "output VGA-1 -1024 0 1024 768 0 \"\"\n"
            // VGA-1 has no monitor name, so it qualifies too, and comes last.
            "pendisplay VGA-1\n");
  EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(DisplayInfoProgram, ModelsByNumberAndWithoutModelTheAnyOtherRow) {
  writeFile(m_dir + "/named.txt", "DP-1 0 0 2560 1440 0 edids/dell.bin\nHDMI-1 2560 0 1920 1080 0 edids/fjord5.bin\n");
  EXPECT_EQ(displayinfo({"--model", "24000", "--outputs", m_dir + "/named.txt"}).out.split('\n').value(2),
            "pendisplay HDMI-1");
  EXPECT_EQ(displayinfo({"--outputs", m_dir + "/named.txt"}).out.split('\n').value(2), "pendisplay");
  EXPECT_EQ(displayinfo({"--model", "LarkA", "--outputs", m_dir + "/named.txt"}).out.split('\n').value(2),
            "pendisplay");
}

TEST_F(DisplayInfoProgram, PrintsTheNameInARawEdid) {
  EXPECT_EQ(displayinfo({"--edid", m_dir + "/edids/fjord5.bin"}).out, "HDMI1\n");
  writeFile(m_dir + "/short.bin", edidNamed("HDMI1").left(100));
  const ProgramRun run = displayinfo({"--edid", m_dir + "/short.bin"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "\n");
}

// A monitor's name is whatever bytes its EDID holds: a quote must not end
// the quoted name early, and CR or ESC must not reach the terminal.
TEST_F(DisplayInfoProgram, MonitorNamesAreEscapedAsTheOtherToolsEscapeTheirTexts) {
  writeFile(m_dir + "/edids/forged.bin", edidNamed("A\"B\\C\r\x1b[2J"));
  writeFile(m_dir + "/forged.txt", "DP-1 0 0 1920 1080 0 edids/forged.bin\n");
  const ProgramRun run = displayinfo({"--outputs", m_dir + "/forged.txt"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out.split('\n').value(0), "output DP-1 0 0 1920 1080 0 \"A\\\"B\\\\C\\r\\x1b[2J\"");
  EXPECT_EQ(displayinfo({"--edid", m_dir + "/edids/forged.bin"}).out, "A\"B\\C\\r\\x1b[2J\n");
}

TEST_F(DisplayInfoProgram, RefusesWithOneLineAndCodeTwo) {
  writeFile(m_dir + "/bad.txt", "# fine\nDP-1 0 0 2560 1440 0 -\nHDMI-1 0 0 1920 1080 4 -\n");
  writeFile(m_dir + "/missing-edid.txt", "DP-1 0 0 2560 1440 0 nowhere.bin\n");
  writeFile(m_dir + "/short-line.txt", "\n\nDP-1 0 0 2560\n");
  writeFile(m_dir + "/huge.txt", "DP-1 2147483647 0 2147483647 1080 0 -\n");
  const struct {
    QStringList arguments;
    const char* mentions;
  } cases[] = {
      {{"--model", "Fjord9"}, "Fjord9"},
      {{"--model", "19001"}, "19001"},
      {{"--model"}, "--model"},
      {{"--verbose"}, "--verbose"},
      {{"--outputs", m_dir + "/none.txt"}, "none.txt"},
      {{"--outputs", m_dir + "/bad.txt"}, "bad.txt:3:"},
      {{"--outputs", m_dir + "/missing-edid.txt"}, "missing-edid.txt:1:"},
      {{"--outputs", m_dir + "/short-line.txt"}, "short-line.txt:3:"},
      {{"--outputs", m_dir + "/huge.txt"}, "huge.txt:1:"},
      {{"--edid", m_dir + "/nothing.bin"}, "nothing.bin"},
      {{"--edid", m_dir + "/edids/dell.bin", "--model", "Fjord5"}, "--edid"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = displayinfo(c.arguments);
    EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.mentions)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  }
}

TEST(DisplayInfoOnX, ListsTheOutputOfTheXDisplay) {
  InputXvfbServer server;
  if (!server.running()) GTEST_SKIP() << "Xvfb could not be started";
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", QString::fromLatin1(server.display()));
  environment.remove("WAYLAND_DISPLAY");
  environment.insert("XDG_SESSION_TYPE", "x11");
  process.setProcessEnvironment(environment);
  process.start(testenv::binaryDir() + "/bin/displayinfo", {"--model", "Fjord5pro"});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
            "output screen 0 0 640 480 0 \"\"\npendisplay screen\n");
}

namespace {

// displayinfo started into a compositor's session: its lines and what it
// said on standard error.
ProgramRun displayinfoIn(const HeadlessCompositor& session) {
  QProcess process;
  process.setProcessEnvironment(session.sessionEnvironment());
  process.start(testenv::binaryDir() + "/bin/displayinfo", {"--model", "Fjord5"});
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// In a Wayland session the monitors come from the compositor, not from
// XWayland or the DRM connectors.
TEST(DisplayInfoOnWayland, ListsGnomesMonitors) {
  HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080), QSize(2560, 1440)});
  if (!mutter.running()) GTEST_SKIP() << mutter.whyNot().toStdString();
  const ProgramRun run = displayinfoIn(mutter);
  EXPECT_EQ(run.exitCode, 0);
  const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << lines.join('|').toStdString();
  EXPECT_TRUE(lines[0].startsWith("output Meta-")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(" 0 \"MetaVirtualMonitor\"")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" 0 \"MetaVirtualMonitor\"")) << lines[1].toStdString();
  EXPECT_TRUE(run.out.contains(" 1920 1080 0 "));
  EXPECT_TRUE(run.out.contains(" 2560 1440 0 "));
  EXPECT_EQ(lines[2], "pendisplay");
  EXPECT_EQ(run.err, "displayinfo: monitors from gnome\n");
}

TEST(DisplayInfoOnWayland, ListsPlasmasOutputs) {
  HeadlessCompositor kwin = HeadlessCompositor::kwin(2, QSize(1280, 800));
  if (!kwin.running()) GTEST_SKIP() << kwin.whyNot().toStdString();
  const ProgramRun run = displayinfoIn(kwin);
  EXPECT_EQ(run.exitCode, 0);
  const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << lines.join('|').toStdString();
  EXPECT_TRUE(lines[0].startsWith("output ")) << lines[0].toStdString();
  EXPECT_TRUE(run.out.contains(" 1280 800 0 ")) << lines.join('|').toStdString();
  EXPECT_EQ(run.err, "displayinfo: monitors from plasma\n");
}

TEST(DisplayInfoOnWayland, ListsSwaysOutputs) {
  HeadlessCompositor sway = HeadlessCompositor::sway({QSize(1920, 1080), QSize(1280, 1024)});
  if (!sway.running()) GTEST_SKIP() << sway.whyNot().toStdString();
  const ProgramRun run = displayinfoIn(sway);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "output HEADLESS-1 0 0 1920 1080 0 \"headless\"\noutput HEADLESS-2 1920 0 1280 1024 0 "
                     "\"headless\"\npendisplay\n");
  EXPECT_EQ(run.err, "displayinfo: monitors from sway\n");
}

// weston has no protocol to turn a monitor: its outputs are still listed.
TEST(DisplayInfoOnWayland, ListsWestonsOutputsFromTheCoreProtocol) {
  HeadlessCompositor weston = HeadlessCompositor::weston(QSize(1600, 900));
  if (!weston.running()) GTEST_SKIP() << weston.whyNot().toStdString();
  const ProgramRun run = displayinfoIn(weston);
  EXPECT_EQ(run.exitCode, 0);
  // One monitor is the pen display whatever its name.
  EXPECT_EQ(run.out, "output headless 0 0 1600 900 0 \"headless\"\npendisplay headless\n");
  EXPECT_EQ(run.err, "displayinfo: monitors from wayland\n");
}

}  // namespace
