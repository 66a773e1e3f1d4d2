// The candidate scan runs on a thread of its own while the GUI thread goes
// on: a watcher destroyed in the middle of a scan stops it and leaves
// nothing behind, and under ThreadSanitizer the scan's icon names and the
// window's reads do not race.

#include "driver/app/ProcessInfo.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/ProgramIconNames.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QThread>

namespace {

// A menu of `count` entries for programs in bin/.
QString menuWith(int count, const QString& name) {
  const QString root = QFileInfo(testenv::freshDir(name)).canonicalFilePath();
  QDir(root).mkpath("bin");
  QDir(root).mkpath("applications");
  for (int i = 0; i < count; ++i) {
    QFile program(QStringLiteral("%1/bin/tool%2").arg(root).arg(i));
    program.open(QIODevice::WriteOnly);
    program.write("#!/bin/sh\n");
    program.close();
    program.setPermissions(program.permissions() | QFile::ExeOwner);
    QFile entry(QStringLiteral("%1/applications/tool%2.desktop").arg(root).arg(i));
    entry.open(QIODevice::WriteOnly);
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nExec=%1/bin/tool%2 %U\nIcon=tool%2\n")
                    .arg(root)
                    .arg(i)
                    .toUtf8());
  }
  return root + "/applications";
}

}  // namespace

TEST(CandidateScanThreadedTest, AWatcherDestroyedMidScanStopsItAndLeavesNothing) {
  ConfigFile store(testenv::freshDir("scan-threaded-stop"));
  const QString menu = menuWith(1500, "scan-threaded-big");
  for (int round = 0; round < 5; ++round) {
    auto info = std::make_unique<ProcessInfo>(QStringList{menu}, &store);
    // The window may ask at any time; before the scan is done the answer is
    // simply empty.
    (void)info->getAllAppPathList();
    if (round % 2) QThread::yieldCurrentThread();
    info.reset();
    QCoreApplication::processEvents();
  }
  ProcessInfo last({menu}, &store);
  QSignalSpy ready(&last, &ProcessInfo::candidatesChanged);
  ASSERT_TRUE(ready.wait(20000));
  EXPECT_EQ(last.getAllAppPathList().size(), 1500);
  const QString program = last.getAllAppPathList().last().toString();
  EXPECT_EQ(ProgramIconNames::iconNameFor(program), QFileInfo(program).fileName());
}
