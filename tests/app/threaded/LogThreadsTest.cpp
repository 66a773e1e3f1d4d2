// Messages from several threads at once must land whole, each thread's in the
// order it sent them, whichever writer is in use.

#include "driver/app/Log.h"
#include "tests/app/LogPages.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <map>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 4;
constexpr int kMessagesPerThread = 250;

void logFromThreads() {
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      for (int n = 0; n < kMessagesPerThread; ++n) qDebug("thread %d message %d <%s>", t, n, "padding");
    });
  }
  for (auto& thread : threads) thread.join();
}

void expectWholeAndOrdered(const QString& dir) {
  static const QRegularExpression text(
      QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d thread (\\d) message (\\d+) &lt;padding&gt;$"));
  std::map<int, int> next;
  int count = 0;
  for (const auto& line : logpages::allLines(dir)) {
    const auto match = text.match(line.second);
    ASSERT_TRUE(match.hasMatch()) << "torn line: " << line.second.toStdString();
    const int thread = match.captured(1).toInt();
    EXPECT_EQ(match.captured(2).toInt(), next[thread]++) << "thread " << thread;
    ++count;
  }
  EXPECT_EQ(count, kThreads * kMessagesPerThread);
}

}  // namespace

TEST(LogThreads, KeptOpenWriterKeepsEveryLineWholeAndInOrder) {
  installLog("ThreadsKeptOpen", 1024, true);
  logFromThreads();
  qInstallMessageHandler(nullptr);
  expectWholeAndOrdered(logDirectory());
}

TEST(LogThreads, PerMessageWriterKeepsEveryLineWholeAndInOrder) {
  installLog("ThreadsPerMessage", 1024, false);
  logFromThreads();
  qInstallMessageHandler(nullptr);
  expectWholeAndOrdered(logDirectory());
}
