// The sway foreground watcher against a real sway, headless, with a real
// Wayland client in front: the focused window's process names the program.

#include "platform/session/linux/AppIdProgram.h"
#include "platform/session/linux/SwayForegroundWatcher.h"
#include "tests/support/HeadlessCompositor.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

using platform::SwayForegroundWatcher;

namespace {

// What the watcher names as the program in front, once a window is in front.
QString programInFront(SwayForegroundWatcher& watcher, const QProcess& client) {
  const QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired() && client.state() == QProcess::Running) {
    const quint64 window = watcher.activeWindow();
    if (window != 0) return watcher.programOf(window);
    QThread::msleep(20);
  }
  return QString();
}

TEST(ForegroundSway, NamesTheFocusedWaylandProgramByItsProcess) {
  const QString client = QStandardPaths::findExecutable("wev");
  if (client.isEmpty()) GTEST_SKIP() << "no Wayland client to put in front (Debian package wev)";
  HeadlessCompositor sway = HeadlessCompositor::sway({QSize(1280, 720)});
  if (!sway.running()) GTEST_SKIP() << sway.whyNot().toStdString();

  SwayForegroundWatcher watcher(sway.swaySocket());
  ASSERT_TRUE(watcher.isWatching());
  EXPECT_EQ(watcher.activeWindow(), 0u) << "nothing in front yet";

  QProcess front;
  front.setProcessEnvironment(sway.sessionEnvironment());
  front.setProcessChannelMode(QProcess::MergedChannels);
  front.start(client, QStringList());
  ASSERT_TRUE(front.waitForStarted(5000));
  EXPECT_EQ(QFileInfo(programInFront(watcher, front)).canonicalFilePath(), QFileInfo(client).canonicalFilePath())
      << front.readAll().right(400).toStdString();

  front.kill();
  front.waitForFinished(5000);
  const QDeadlineTimer closed(5000);
  while (!closed.hasExpired() && watcher.activeWindow() != 0) QThread::msleep(20);
  EXPECT_EQ(watcher.activeWindow(), 0u) << "a closed window is in front no more";
}

TEST(ForegroundAppId, AppIdsLeadToProgramsThroughEntriesOrPath) {
  const QString entries = testenv::freshDir("appids");
  QFile entry(entries + "/org.example.Painter.desktop");
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.write("[Desktop Entry]\nType=Application\nExec=env GDK_BACKEND=wayland sh --paint %U\n");
  entry.close();
  QFile flatpak(entries + "/org.kde.krita.desktop");
  ASSERT_TRUE(flatpak.open(QIODevice::WriteOnly));
  flatpak.write("[Desktop Entry]\nType=Application\nExec=/usr/bin/flatpak run org.kde.krita\nX-Flatpak=org.kde.krita\n");
  flatpak.close();
  EXPECT_EQ(platform::programOfAppId("org.example.Painter", {entries}),
            QFileInfo(QStandardPaths::findExecutable("sh")).canonicalFilePath());
  EXPECT_EQ(platform::programOfAppId("org.kde.krita", {entries}), "flatpak:org.kde.krita");
  EXPECT_EQ(platform::programOfAppId("org.example.Unknown", {entries}), "org.example.Unknown")
      << "an app id that leads nowhere still names a program no list holds";
  EXPECT_EQ(platform::programOfAppId("../../bin/sh", {entries}), "");
  EXPECT_EQ(platform::programOfAppId("", {entries}), "");
}

}  // namespace
