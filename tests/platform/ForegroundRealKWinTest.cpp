// The KWin foreground watcher against a real kwin_wayland, virtual and on a
// private bus, with a real Wayland client in front: KWin runs the script and
// the watcher names the client's program.

#include "platform/session/linux/KWinForegroundWatcher.h"
#include "tests/support/HeadlessCompositor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

using platform::KWinForegroundWatcher;

namespace {

TEST(ForegroundRealKWin, NamesTheNativeWaylandProgramInFront) {
  // weston's plain shared-memory client: a toplevel that keeps drawing.
  const QString client = QStandardPaths::findExecutable("weston-simple-shm");
  if (client.isEmpty()) GTEST_SKIP() << "no Wayland client to put in front (Debian package weston)";
  HeadlessCompositor kwin = HeadlessCompositor::kwin(1, QSize(1920, 1080));
  if (!kwin.running()) GTEST_SKIP() << kwin.whyNot().toStdString();

  KWinForegroundWatcher watcher(kwin.bus());
  ASSERT_TRUE(watcher.isWatching()) << "KWin took and ran the script";

  QProcess front;
  front.setProcessEnvironment(kwin.sessionEnvironment());
  front.setProcessChannelMode(QProcess::MergedChannels);
  front.start(client, QStringList());
  ASSERT_TRUE(front.waitForStarted(5000));

  QString program;
  const QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired() && program.isEmpty() && front.state() == QProcess::Running) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const quint64 window = watcher.activeWindow();
    if (window != 0) program = watcher.programOf(window);
    if (program.isEmpty()) QThread::msleep(20);
  }
  front.kill();
  front.waitForFinished(5000);
  EXPECT_EQ(QFileInfo(program).canonicalFilePath(), QFileInfo(client).canonicalFilePath())
      << "the client ended " << front.exitCode() << " " << int(front.exitStatus()) << ": " << front.readAll().right(600).toStdString();
}

}  // namespace
