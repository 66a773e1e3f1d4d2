// Programs started by a tablet key outlive the call and need no arguments.

#include "platform/process/ProgramStarter.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTest>

TEST(ProgramStarter, StartsAnExecutableDetachedAndReportsMissingOnes) {
  const QString dir = testenv::freshDir("starter");
  const QString marker = dir + "/started";
  const QString script = dir + "/program.sh";
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toUtf8());
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  platform::SystemProgramStarter starter;
  ASSERT_TRUE(starter.startDetached(script));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(marker).size() > 0; }, 5000));
  QFile result(marker);
  ASSERT_TRUE(result.open(QIODevice::ReadOnly));
  EXPECT_EQ(result.readAll().trimmed(), "0");  // no arguments

  EXPECT_FALSE(starter.startDetached(dir + "/missing"));
  EXPECT_FALSE(starter.startDetached(QString()));
}
