// The profile watcher end to end on a real X server: the test plays the
// window manager over real processes, the watcher reports what the window
// and the controller act on.

#include "tests/platform/ForegroundTestDesktop.h"
#include "tests/platform/InputXvfbServer.h"
#include "tests/platform/SpawnedProgram.h"

#include "driver/app/ProcessInfo.h"
#include "driver/core/ConfigFile.h"
#include "platform/session/linux/X11ForegroundWatcher.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(ProcessInfoX11Test, SwitchingProgramsOnAnXDesktop) {
  InputXvfbServer server;
  if (!server.running()) GTEST_SKIP() << "Xvfb could not be started";
  ForegroundTestDesktop desktop(server.display());
  ASSERT_TRUE(desktop.connected());
  QTemporaryDir programs;
  const QString dir = programs.path();
  SpawnedProgram krita(dir + "/krita", "krita");
  SpawnedProgram driver(dir + "/VarnexDriver", "VarnexDriver");
  SpawnedProgram sai(dir + "/wine-preloader", "C:\\Program Files\\SAI\\sai2.exe");
  SpawnedProgram shell(dir + "/xterm", "xterm");
  ASSERT_TRUE(krita.running() && driver.running() && sai.running() && shell.running());

  ConfigFile store(testenv::freshDir("processinfo-x11"));
  store.addProgramList("/usr/bin/krita");
  store.addProgramList("/home/artist/.wine/drive_c/Program Files/SAI/sai2.exe");
  const QByteArray display = server.display();
  platform::ForegroundWatcher::installFactory(
      [display] { return std::make_unique<platform::X11ForegroundWatcher>(display); });

  ProcessInfo info(QStringList(), &store);
  info.setPollInterval(5);
  QStringList lines;
  QObject::connect(&info, &ProcessInfo::s_currentProcessName, &info, [&](const QString& name) { lines << name; });
  QObject::connect(&info, &ProcessInfo::foregroundWindowAppIndex, &info,
                   [&](int index) { lines << QString::number(index); });
  info.start();
  auto seen = [&](const QStringList& expected) {
    (void)QTest::qWaitFor([&] { return lines.size() >= expected.size(); }, 10000);
    QTest::qWait(30);  // several more polls, which must add nothing
    const QStringList got = lines;
    lines.clear();
    return got;
  };

  desktop.activate(desktop.openWindow(krita.pid()));
  EXPECT_EQ(seen({"krita", "0"}), QStringList({"krita", "0"}));
  desktop.activate(desktop.openWindow(driver.pid()));
  EXPECT_EQ(seen({"VarnexDriver"}), QStringList({"VarnexDriver"}));
  desktop.activate(desktop.openWindow(sai.pid()));
  EXPECT_EQ(seen({"sai2", "1"}), QStringList({"sai2", "1"}));
  desktop.activate(desktop.openWindow(shell.pid()));
  EXPECT_EQ(seen({"xterm", "-1"}), QStringList({"xterm", "-1"}));

  info.requestInterruption();
  info.wait();
  platform::ForegroundWatcher::installFactory(nullptr);
}

}  // namespace
