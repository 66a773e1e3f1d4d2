// The X11 foreground watcher against a private Xvfb, the test playing the
// window manager, and real processes named by their /proc entries.

#include "ForegroundTestDesktop.h"
#include "InputXvfbServer.h"
#include "SpawnedProgram.h"

#include "platform/session/linux/X11ForegroundWatcher.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <unistd.h>

#include <memory>

using platform::X11ForegroundWatcher;

namespace {

class ForegroundX11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!m_server.running()) GTEST_SKIP() << "Xvfb could not be started";
    m_desktop = std::make_unique<ForegroundTestDesktop>(m_server.display());
    ASSERT_TRUE(m_desktop->connected());
    ASSERT_TRUE(m_programs.isValid());
  }

  QString programPath(const QString& name) const { return m_programs.path() + "/" + name; }

  InputXvfbServer m_server;
  std::unique_ptr<ForegroundTestDesktop> m_desktop;
  QTemporaryDir m_programs;
};

TEST_F(ForegroundX11Test, NamesTheProgramOfTheActiveWindow) {
  SpawnedProgram krita(programPath("krita"), programPath("krita"));
  SpawnedProgram gimp(programPath("gimp-2.10"), "gimp");
  ASSERT_TRUE(krita.running() && gimp.running());
  X11ForegroundWatcher watcher(m_server.display());

  EXPECT_EQ(watcher.activeWindow(), 0u) << "no window manager has named an active window yet";

  const uint32_t kritaWindow = m_desktop->openWindow(krita.pid());
  const uint32_t gimpWindow = m_desktop->openWindow(gimp.pid());
  m_desktop->activate(kritaWindow);
  EXPECT_EQ(watcher.activeWindow(), kritaWindow);
  EXPECT_EQ(watcher.programOf(kritaWindow), programPath("krita"));
  m_desktop->activate(gimpWindow);
  EXPECT_EQ(watcher.activeWindow(), gimpWindow);
  EXPECT_EQ(watcher.programOf(gimpWindow), programPath("gimp-2.10")) << "named by the file, not by argv[0]";

  m_desktop->clearActive();
  EXPECT_EQ(watcher.activeWindow(), 0u);
}

TEST_F(ForegroundX11Test, NamesAWineProgramByItsWindowsExecutable) {
  SpawnedProgram sai(programPath("wine64-preloader"), "C:\\Program Files\\SYSTEMAX\\SAIv2\\sai2.exe");
  ASSERT_TRUE(sai.running());
  X11ForegroundWatcher watcher(m_server.display());
  const uint32_t window = m_desktop->openWindow(sai.pid());
  m_desktop->activate(window);
  EXPECT_EQ(watcher.programOf(watcher.activeWindow()), "sai2.exe");
}

TEST_F(ForegroundX11Test, AWindowWithoutAReadableProcessNamesNothing) {
  X11ForegroundWatcher watcher(m_server.display());
  const uint32_t noPid = m_desktop->openWindow(0);
  EXPECT_EQ(watcher.programOf(noPid), "");

  // A process that has ended (its window outlived it, as a hung one might).
  int endedPid = 0;
  {
    SpawnedProgram brief(programPath("brief"), "brief");
    ASSERT_TRUE(brief.running());
    endedPid = brief.pid();
  }
  EXPECT_EQ(watcher.programOf(m_desktop->openWindow(endedPid)), "");

  // A window closed between the two reads: the failed request is an answer
  // of nothing, not the end of the process.
  SpawnedProgram krita(programPath("krita"), "krita");
  const uint32_t closing = m_desktop->openWindow(krita.pid());
  m_desktop->activate(closing);
  const quint64 active = watcher.activeWindow();
  m_desktop->closeWindow(closing);
  EXPECT_EQ(watcher.programOf(active), "");
  EXPECT_EQ(watcher.programOf(0), "");
  EXPECT_EQ(watcher.activeWindow(), closing) << "the property still names it until the manager says otherwise";
}

TEST(ForegroundX11WithoutServerTest, NoDisplayOrALostOneSeesNoWindow) {
  X11ForegroundWatcher nowhere(":999999");
  EXPECT_EQ(nowhere.activeWindow(), 0u);
  EXPECT_EQ(nowhere.programOf(0x400001), "");

  auto server = std::make_unique<InputXvfbServer>();
  if (!server->running()) GTEST_SKIP() << "Xvfb could not be started";
  X11ForegroundWatcher watcher(server->display());
  uint32_t window = 0;
  {
    ForegroundTestDesktop desktop(server->display());
    window = desktop.openWindow(getpid());
    desktop.activate(window);
    EXPECT_EQ(watcher.activeWindow(), window);
  }
  server.reset();
  EXPECT_EQ(watcher.activeWindow(), 0u);
  EXPECT_EQ(watcher.programOf(window), "");
}

}  // namespace
