#include "HolderTestSupport.h"
#include "platform/process/ProcessEnder.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace holdertest;
using platform::ProcessEnder;

TEST(ProcessEnder, EndsEveryProcessOfTheNameAndNothingElse) {
  const QString dir = testenv::freshDir("ender");
  const QString doomed = uniqueName("doomed", ".exe");
  const QString spared = uniqueName("spared", ".exe");
  Holder first(dir, doomed, {});
  Holder second(dir, doomed, {});
  Holder bystander(dir, spared, {});
  ASSERT_TRUE(first.isReady() && second.isReady() && bystander.isReady());

  EXPECT_EQ(ProcessEnder().endAllNamed(doomed.toStdString()), 2);
  // Both have ended by the time the call returns; reaping them is our job as their parent.
  EXPECT_TRUE(first.waitEnded(0) || first.waitEnded(100));
  EXPECT_TRUE(second.waitEnded(100));
  EXPECT_FALSE(bystander.waitEnded(200));

  EXPECT_EQ(ProcessEnder().endAllNamed(doomed.toStdString()), 0);
  EXPECT_EQ(ProcessEnder().endAllNamed(doomed.toUpper().toStdString()), 0);
  EXPECT_EQ(ProcessEnder().endAllNamed(""), 0);
}
