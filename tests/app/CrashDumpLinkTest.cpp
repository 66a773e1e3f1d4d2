// A link planted where the crash dump goes: the handler replaces the link
// with its dump and never writes through it into the file it points at.

#include "LogPages.h"
#include "platform/system/CrashHandler.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

int abortingChild(const QString& dir) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!CrashHandler::install(dir, "Linked")) _exit(3);
    std::abort();
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

}  // namespace

TEST(CrashDumpLink, APlantedLinkIsReplacedNotFollowed) {
  const QString dir = testenv::freshDir("crash-link");
  const QString victim = testenv::freshDir("crash-victim") + "/precious.txt";
  {
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me\n");
  }
  const QString dump = dir + "/Linked.dmp";
  ASSERT_TRUE(QFile::link(victim, dump));

  const int status = abortingChild(dir);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGABRT);

  QFile kept(victim);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep me\n");
  const QFileInfo written(dump);
  EXPECT_FALSE(written.isSymLink());
  EXPECT_TRUE(written.isFile());
  EXPECT_TRUE(logpages::read(dump).startsWith("Linked crash report\nsignal: 6 (SIGABRT)\n"));
  // Only the dump is left behind, no fresh name.
  EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size(), 1);
}
