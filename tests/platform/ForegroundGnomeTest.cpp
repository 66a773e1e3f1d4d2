// The GNOME foreground watcher against a real gnome-shell, headless, with the
// driver's Shell extension installed for the session's user and enabled, and
// a real Wayland client in front.

#include "platform/session/linux/GnomeForegroundWatcher.h"
#include "tests/support/HeadlessCompositor.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

using platform::GnomeForegroundWatcher;

namespace {

TEST(ForegroundGnome, TheExtensionNamesTheFocusedWaylandProgram) {
  const QString client = QStandardPaths::findExecutable("weston-simple-shm");
  if (client.isEmpty()) GTEST_SKIP() << "no Wayland client to put in front (Debian package weston)";
  const QString home = testenv::freshDir("gnome-home");
  const QString extension =
      home + "/.local/share/gnome-shell/extensions/" + GnomeForegroundWatcher::kExtensionUuid;
  QDir().mkpath(extension);
  const QString source = testenv::sourceDir() + "/packaging/gnome-shell-extension/";
  for (const char* file : {"metadata.json", "extension.js"})
    ASSERT_TRUE(QFile::copy(source + file, extension + "/" + file)) << file;

  HeadlessCompositor shell = HeadlessCompositor::gnomeShell(QSize(1280, 720), home);
  if (!shell.running()) GTEST_SKIP() << shell.whyNot().toStdString();
  QDBusConnection bus = shell.bus();
  EXPECT_FALSE(GnomeForegroundWatcher::extensionPresent(bus)) << "not enabled yet";
  EXPECT_TRUE(GnomeForegroundWatcher::shellPresent(bus));

  QDBusMessage enable = QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell",
                                                       "org.gnome.Shell.Extensions", "EnableExtension");
  enable << QString(GnomeForegroundWatcher::kExtensionUuid);
  // The shell takes its name before it has set up its objects.
  QDeadlineTimer deadline(20000);
  QDBusMessage enabled;
  do {
    enabled = bus.call(enable, QDBus::Block, 5000);
    if (enabled.type() != QDBusMessage::ReplyMessage) QThread::msleep(100);
  } while (enabled.type() != QDBusMessage::ReplyMessage && !deadline.hasExpired());
  ASSERT_EQ(enabled.type(), QDBusMessage::ReplyMessage) << enabled.errorMessage().toStdString();
  deadline = QDeadlineTimer(10000);
  while (!deadline.hasExpired() && !GnomeForegroundWatcher::extensionPresent(bus)) QThread::msleep(50);
  ASSERT_TRUE(GnomeForegroundWatcher::extensionPresent(bus)) << "the extension came up";

  GnomeForegroundWatcher watcher(bus);
  QProcess front;
  front.setProcessEnvironment(shell.sessionEnvironment());
  front.start(client, QStringList());
  ASSERT_TRUE(front.waitForStarted(5000));
  QString program;
  deadline = QDeadlineTimer(10000);
  while (!deadline.hasExpired() && front.state() == QProcess::Running) {
    const quint64 window = watcher.activeWindow();
    program = window ? watcher.programOf(window) : QString();
    if (QFileInfo(program).fileName() == QFileInfo(client).fileName()) break;
    QThread::msleep(50);
  }
  front.kill();
  front.waitForFinished(5000);
  EXPECT_EQ(QFileInfo(program).canonicalFilePath(), QFileInfo(client).canonicalFilePath());
}

}  // namespace
