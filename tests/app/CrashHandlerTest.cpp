// Crashes child processes on purpose and reads the dumps they leave.

#include "LogPages.h"
#include "platform/system/CrashHandler.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

struct Crash {
  const char* name;
  int signal;
  const char* signalName;
  std::function<void()> run;
};

// Forks, lets the child install the handler and crash, and returns how the
// child ended.
int crashChild(const std::function<bool()>& install, const std::function<void()>& crash) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // no core files from tests
    if (!install()) _exit(3);
    crash();
    _exit(4);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

void faultOnAddress() {
  volatile uintptr_t address = 0x10;  // volatile: the compiler must not see through it
  *reinterpret_cast<volatile int*>(address) = 1;
}

void trapInAnotherThread() {
  std::thread([] { __builtin_trap(); }).join();
}

volatile bool g_deepEnough = false;

// Each level keeps a kilobyte on the stack until the guard page is hit.
int recurse(int depth) {
  volatile char frame[1024];
  frame[0] = char(depth);
  if (g_deepEnough) return frame[0];
  return recurse(depth + 1) + frame[0];
}

// A stack overflow leaves the thread no stack to run the handler on: only
// its own signal stack makes the dump possible.
void overflowAThreadsStack() {
  std::thread([] {
    CrashHandler::prepareThread();
    recurse(0);
  }).join();
}

class CrashHandlerTest : public ::testing::TestWithParam<Crash> {};

}  // namespace

TEST_P(CrashHandlerTest, TheChildLeavesADumpAndDiesOfItsSignal) {
  const Crash& crash = GetParam();
  const QString dir = testenv::freshDir("crash") + "/not/yet/there";
  const QString dump = dir + "/" + crash.name + ".dmp";
  const int status = crashChild([&] { return CrashHandler::install(dir, crash.name); }, crash.run);

  ASSERT_TRUE(WIFSIGNALED(status)) << "child exited with " << WEXITSTATUS(status);
  EXPECT_EQ(WTERMSIG(status), crash.signal);
  const QString text = logpages::read(dump);
  ASSERT_FALSE(text.isEmpty()) << "no dump at " << dump.toStdString();
  EXPECT_TRUE(text.startsWith(QString("%1 crash report\nsignal: %2 (%3)\n")
                                  .arg(crash.name)
                                  .arg(crash.signal)
                                  .arg(crash.signalName)))
      << text.left(200).toStdString();
  const int backtrace = text.indexOf("\nbacktrace:\n");
  const int maps = text.indexOf("\nmemory map:\n");
  ASSERT_GT(backtrace, 0);
  ASSERT_GT(maps, backtrace);
  // The frames name the program they are in; the map lists its mappings.
  EXPECT_TRUE(text.mid(backtrace, maps - backtrace).contains("test_app")) << text.mid(backtrace, 600).toStdString();
  EXPECT_TRUE(text.mid(maps).contains("[stack]"));
}

INSTANTIATE_TEST_SUITE_P(Signals, CrashHandlerTest,
                         ::testing::Values(Crash{"Segv", SIGSEGV, "SIGSEGV", faultOnAddress},
                                           Crash{"Abort", SIGABRT, "SIGABRT", [] { std::abort(); }},
                                           Crash{"TrapInThread", SIGILL, "SIGILL", trapInAnotherThread},
                                           Crash{"StackOverflowInThread", SIGSEGV, "SIGSEGV", overflowAThreadsStack}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CrashHandler, TheFaultingAddressIsRecordedAndAnOldDumpReplaced) {
  const QString dump =
      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/VarnexDriver.dmp";
  QDir().mkpath(QFileInfo(dump).path());
  {
    QFile old(dump);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
  }
  const int status = crashChild([] { return CrashHandler::install(); }, faultOnAddress);
  ASSERT_TRUE(WIFSIGNALED(status));
  const QString text = logpages::read(dump);
  EXPECT_TRUE(text.contains("\naddress: 0x0000000000000010\n")) << text.left(300).toStdString();
  EXPECT_FALSE(text.contains("xxxx"));
}
