// Which application a sandboxed process belongs to, read from a process
// tree laid out as /proc lays it out.

#include "platform/process/linux/ProcessTable.h"
#include "platform/process/linux/SandboxIdentity.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using platform::ProcessTable;
using platform::SandboxIdentity;

namespace {

class SandboxTree : public ::testing::Test {
 protected:
  void SetUp() override { root = testenv::freshDir("proc"); }
  void process(int pid, const QByteArray& cgroup, const QByteArray& flatpakInfo = QByteArray()) {
    const QString dir = QString("%1/%2").arg(root).arg(pid);
    QDir().mkpath(dir + "/root");
    write(dir + "/cgroup", cgroup);
    if (!flatpakInfo.isEmpty()) write(dir + "/root/.flatpak-info", flatpakInfo);
    QFile::link("/bin/sh", dir + "/exe");
  }
  static void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  std::string identity(int pid) { return SandboxIdentity::ofProcess(root.toStdString(), pid); }
  QString root;
};

TEST_F(SandboxTree, FlatpakSnapAndPlainProcesses) {
  process(10, "0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-flatpak-org.kde.krita-4711.scope\n",
          "[Application]\nname=org.kde.krita\nruntime=runtime/org.kde.Platform/x86_64/5.15-23.08\n");
  process(11, "0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-flatpak-org.gimp.GIMP-12.scope\n");
  process(12, "0::/user.slice/user-1000.slice/user@1000.service/app.slice/snap.inkscape.inkscape-9b2c.scope\n");
  process(13, "0::/user.slice/user-1000.slice/session-2.scope\n");
  EXPECT_EQ(identity(10), "flatpak:org.kde.krita");
  EXPECT_EQ(identity(11), "flatpak:org.gimp.GIMP") << "from the control group where the metadata is unreadable";
  EXPECT_EQ(identity(12), "snap:inkscape");
  EXPECT_EQ(identity(13), "");
  EXPECT_EQ(identity(99), "") << "a process that has ended";
  // The foreground watchers name the program so.
  EXPECT_EQ(ProcessTable(root.toStdString()).programPath(10), "flatpak:org.kde.krita");
  EXPECT_EQ(ProcessTable(root.toStdString()).programPath(13), "/bin/sh");
}

// A process's root is its own to lay out: what it puts where the metadata
// goes is never waited on, never read unbounded and never taken for a name.
TEST_F(SandboxTree, WhatASandboxPlantsIsNeverTrusted) {
  process(20, "0::/app.slice/app-flatpak-org.kde.krita-1.scope\n");
  ASSERT_EQ(mkfifo(QFile::encodeName(root + "/20/root/.flatpak-info").constData(), 0600), 0);
  EXPECT_EQ(identity(20), "flatpak:org.kde.krita") << "a FIFO is passed over without waiting";
  process(21, "0::/app.slice/session.scope\n", "[Application]\nname=../../home/u/evil\n");
  EXPECT_EQ(identity(21), "");
  process(22, "0::/app.slice/app-flatpak-a;b-1.scope\n", "[Context]\nname=org.kde.krita\n");
  EXPECT_EQ(identity(22), "") << "a name outside [Application] and an id with odd characters";
  EXPECT_EQ(SandboxIdentity::fromControlGroups("0::/app-flatpak--1.scope\n0::/snap..scope\n"), "");
}

}  // namespace
