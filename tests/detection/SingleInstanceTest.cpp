// The single instance with real processes: each probe starts the way the
// driver does, and the tests start, hand over, and kill them.

#include "tests/detection/InstanceProbe.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverAndEnds) {
  Probe first(runtime.path());
  ASSERT_EQ(first.waitForLine("published"), "published");

  Probe second(runtime.path());
  EXPECT_EQ(second.waitForLine("second"), "second");
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");

  // A third start hands over again: the first keeps its place.
  Probe third(runtime.path());
  EXPECT_EQ(third.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
}

TEST_F(SingleInstanceTest, AStartBeforeTheFirstHasPublishedSendsNothing) {
  Probe first(runtime.path(), {"--late-publish"});
  ASSERT_EQ(first.waitForLine("first"), "first");

  Probe quick(runtime.path());
  EXPECT_EQ(quick.waitForLine("second"), "second");
  EXPECT_EQ(quick.exitCode(), 0);

  first.send("publish");
  ASSERT_EQ(first.waitForLine("published"), "published");
  Probe later(runtime.path());
  EXPECT_EQ(later.exitCode(), 0);
  EXPECT_EQ(first.waitForLine("received"), "received 10086 01000000");
  EXPECT_EQ(first.lines().count("received 10086 01000000"), 1) << "the quick start must not have been delivered";
}

TEST_F(SingleInstanceTest, AKilledInstanceNeverBlocksTheNextStart) {
  auto first = std::make_unique<Probe>(runtime.path());
  ASSERT_EQ(first->waitForLine("published"), "published");
  // A program the driver started outlives it; it must not keep the instance.
  first->send("spawn");
  const QByteArray child = first->waitForLine("child");
  ASSERT_FALSE(child.isEmpty());
  first->killHard();

  Probe next(runtime.path());
  EXPECT_EQ(next.waitForLine("first"), "first");
  // Its hand-over point replaces the one the killed instance left behind.
  EXPECT_EQ(next.waitForLine("published"), "published");
  Probe after(runtime.path());
  EXPECT_EQ(after.exitCode(), 0);
  EXPECT_EQ(next.waitForLine("received"), "received 10086 01000000");

  ::kill(pid_t(child.mid(6).toLongLong()), SIGKILL);
}

TEST_F(SingleInstanceTest, AfterTheFirstEndsTheNextStartIsFirst) {
  {
    Probe first(runtime.path());
    ASSERT_EQ(first.waitForLine("published"), "published");
    first.send("quit");
    EXPECT_EQ(first.exitCode(), 0);
  }
  Probe next(runtime.path());
  EXPECT_EQ(next.waitForLine("published"), "published");
}

}  // namespace
