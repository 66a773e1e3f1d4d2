// The instance lock and the hand-over point where others could interfere:
// a runtime folder another user controls, a lock path that is not a lock,
// a lock file removed under a running instance, and a flood of connections.
// Real processes throughout; the probes start as the driver does.

#include "tests/detection/InstanceProbe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace {

constexpr uid_t kOtherUser = 65534;

struct stat statusOf(const QString& path) {
  struct stat status {};
  ::lstat(QFile::encodeName(path).constData(), &status);
  return status;
}

bool giveToOtherUser(const QString& path) {
  return ::lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0;
}

class InstanceLockTest : public ::testing::Test {
 protected:
  QString lockName() const { return QStringLiteral("VarnexProbe-%1.lock").arg(::getuid()); }
  QString lockPath() const { return runtime.path() + "/" + lockName(); }
  bool seen(Probe& probe, const QString& text) {
    for (const QByteArray& line : probe.lines())
      if (QString::fromLocal8Bit(line).contains(text)) return true;
    return false;
  }

  QTemporaryDir runtime;
};

TEST_F(InstanceLockTest, ARuntimeFolderOthersCanControlIsNeverUsed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to another user";
  // A shared temporary folder like /tmp, where a neighbour has put a lock
  // that he holds and folders under the names a driver would make.
  const QString shared = runtime.path() + "/tmp";
  ASSERT_TRUE(QDir().mkpath(shared));
  ::chmod(QFile::encodeName(shared).constData(), 01777);
  const QString plantedLock = shared + "/" + lockName();
  const int held = ::open(QFile::encodeName(plantedLock).constData(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  giveToOtherUser(plantedLock);
  for (const QString& name : {QStringLiteral("runtime-root"), QStringLiteral("VarnexDriver-%1").arg(::getuid())}) {
    ASSERT_TRUE(QDir().mkpath(shared + "/" + name));
    giveToOtherUser(shared + "/" + name);
  }
  const QString open = runtime.path() + "/open";
  QDir().mkpath(open);
  ::chmod(QFile::encodeName(open).constData(), 0777);
  const QString foreign = runtime.path() + "/foreign";
  QDir().mkpath(foreign);
  ::chmod(QFile::encodeName(foreign).constData(), 0700);
  giveToOtherUser(foreign);

  const QString cache = runtime.path() + "/cache";
  for (const QString& sessionFolder : {QString(), runtime.path() + "/missing", open, foreign}) {
    SCOPED_TRACE(sessionFolder.toStdString());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    if (!sessionFolder.isEmpty()) environment.insert("XDG_RUNTIME_DIR", sessionFolder);
    environment.insert("TMPDIR", shared);
    environment.insert("XDG_CACHE_HOME", cache);
    Probe probe(environment, SINGLEINSTANCE_PROBE, {}, QProcess::ForwardedErrorChannel);
    ASSERT_EQ(probe.waitForLine("first"), "first") << "the neighbour's lock kept it from starting";
    // Our own folder in the temporary folder is the neighbour's: the cache
    // folder serves instead.
    const QString lock = QString::fromLocal8Bit(probe.waitForLine("lock ").mid(5));
    EXPECT_EQ(lock, cache + "/VarnexDriver-runtime/" + lockName());
    const struct stat folder = statusOf(QFileInfo(lock).path());
    EXPECT_EQ(folder.st_uid, ::geteuid());
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    probe.send("quit");
    EXPECT_EQ(probe.exitCode(), 0);
  }

  // Without the neighbour's folder, ours in the temporary folder is made
  // private from the start.
  QDir(shared + QStringLiteral("/VarnexDriver-%1").arg(::getuid())).removeRecursively();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_RUNTIME_DIR", open);
  environment.insert("TMPDIR", shared);
  Probe probe(environment, SINGLEINSTANCE_PROBE, {}, QProcess::ForwardedErrorChannel);
  ASSERT_EQ(probe.waitForLine("first"), "first");
  const QString lock = QString::fromLocal8Bit(probe.waitForLine("lock ").mid(5));
  EXPECT_EQ(lock, shared + QStringLiteral("/VarnexDriver-%1/").arg(::getuid()) + lockName());
  EXPECT_EQ(statusOf(QFileInfo(lock).path()).st_mode & 07777, 0700u);
  ::close(held);
}

TEST_F(InstanceLockTest, ALockPathThatIsNotTheLockNeverLetsASecondInstanceRun) {
  struct Case {
    const char* what;
    std::function<void(const QString&)> replace;
    QString warning;  // what the second start says about the lock
  };
  const QString target = runtime.path() + "/elsewhere";
  QFile(target).open(QIODevice::WriteOnly);
  std::vector<Case> cases{
      {"removed", [](const QString&) {}, QString()},
      {"link", [&](const QString& path) { QFile::link(target, path); }, "Too many levels of symbolic links"},
      {"folder", [](const QString& path) { QDir().mkpath(path); }, "Is a directory"},
  };
  if (::geteuid() == 0) {
    cases.push_back({"someone else's file",
                     [](const QString& path) {
                       QFile(path).open(QIODevice::WriteOnly);
                       giveToOtherUser(path);
                     },
                     "is not a file of this user"});
  }
  for (const Case& replacement : cases) {
    SCOPED_TRACE(replacement.what);
    Probe first(runtime.path());
    ASSERT_EQ(first.waitForLine("published"), "published");
    ASSERT_TRUE(QFile::remove(lockPath()));
    replacement.replace(lockPath());

    Probe second(Probe::withRuntimeDir(runtime.path()), SINGLEINSTANCE_PROBE, {}, QProcess::MergedChannels);
    EXPECT_EQ(second.waitForLine("second"), "second");
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
    if (!replacement.warning.isEmpty()) EXPECT_TRUE(seen(second, replacement.warning));
    // The first one's hand-over point is still there for the next start.
    Probe third(runtime.path());
    EXPECT_EQ(third.waitForLine("second"), "second");
    EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");

    first.send("quit");
    EXPECT_EQ(first.exitCode(), 0);
    QDir(lockPath()).removeRecursively();
    QFile::remove(lockPath());
    QFile::remove(lockPath() + ".broken");
  }
}

TEST_F(InstanceLockTest, WithNobodyRunningAPathInTheLocksWayIsMovedAsideAndKept) {
  ASSERT_TRUE(QDir().mkpath(lockPath()));
  QFile kept(lockPath() + "/notes");
  ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
  kept.close();

  Probe first(runtime.path());
  ASSERT_EQ(first.waitForLine("first"), "first");
  EXPECT_TRUE(S_ISREG(statusOf(lockPath()).st_mode));
  EXPECT_TRUE(QFile::exists(lockPath() + ".broken/notes"));
  ASSERT_EQ(first.waitForLine("published"), "published");
  Probe second(runtime.path());
  EXPECT_EQ(second.waitForLine("second"), "second");
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
}

TEST_F(InstanceLockTest, AFloodOfConnectionsNeverClosesTheHandOverPoint) {
  // So few descriptors that the flood runs the instance out of them.
  QProcessEnvironment environment = Probe::withRuntimeDir(runtime.path());
  Probe first(environment, "/bin/sh", {"-c", "ulimit -n 24 && exec \"$0\"", SINGLEINSTANCE_PROBE},
              QProcess::MergedChannels);
  ASSERT_EQ(first.waitForLine("published"), "published");

  const QByteArray socketPath = QFile::encodeName(runtime.path() + QStringLiteral("/VarnexProbe-%1.handover").arg(::getuid()));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(size_t(socketPath.size()), sizeof(address.sun_path));
  memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
  std::vector<int> flood;
  for (int i = 0; i < 1100; ++i) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_GE(fd, 0);
    flood.push_back(fd);
    ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0) << i;
  }
  EXPECT_FALSE(first.waitForLine("varnex.session: hand-over point: no descriptor").isEmpty());
  for (int fd : flood) ::close(fd);

  Probe later(runtime.path());
  EXPECT_EQ(later.waitForLine("second"), "second");
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
  int said = 0;
  for (const QByteArray& line : first.lines()) said += line.contains("hand-over point:") ? 1 : 0;
  EXPECT_EQ(said, 1) << "the shortage is said once";
}

}  // namespace
