// The monitors of a real sway: headless outputs, read and turned through
// sway's IPC as the driver does in a sway session.

#include "OutputLookup.h"
#include "platform/display/linux/SwayDisplayOutputs.h"
#include "tests/support/HeadlessCompositor.h"

#include <gtest/gtest.h>

using platform::DisplayOutput;
using platform::SwayDisplayOutputs;

namespace {

TEST(SwayOutputs, ListsAndTurnsTheOutputsAndRunsNoNameAsACommand) {
  HeadlessCompositor sway = HeadlessCompositor::sway({QSize(1920, 1080), QSize(1280, 1024)});
  if (!sway.running()) GTEST_SKIP() << sway.whyNot().toStdString();
  SwayDisplayOutputs source(sway.swaySocket());
  QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  const DisplayOutput* left = outputNamed(outputs, "HEADLESS-1");
  const DisplayOutput* right = outputNamed(outputs, "HEADLESS-2");
  ASSERT_TRUE(left && right);
  EXPECT_EQ(left->rect, QRect(0, 0, 1920, 1080));
  EXPECT_EQ(right->rect, QRect(1920, 0, 1280, 1024));
  EXPECT_EQ(left->orientation, 0);
  EXPECT_EQ(left->modeSize, QSize(1920, 1080));
  EXPECT_TRUE(left->edid.isEmpty());

  ASSERT_EQ(source.setMode("HEADLESS-2", 3, QSize(1024, 1280)), platform::DisplayChangeSuccessful);
  outputs = source.outputs();
  ASSERT_TRUE(outputNamed(outputs, "HEADLESS-2"));
  EXPECT_EQ(outputNamed(outputs, "HEADLESS-2")->orientation, 3);
  EXPECT_EQ(outputNamed(outputs, "HEADLESS-2")->rect.size(), QSize(1024, 1280));
  EXPECT_EQ(outputNamed(outputs, "HEADLESS-2")->modeSize, QSize(1024, 1280));

  EXPECT_EQ(source.setMode("HEADLESS-9", 1, QSize(1080, 1920)), platform::DisplayChangeBadParam);
  EXPECT_EQ(source.setMode("HEADLESS-1; exit", 1, QSize(1080, 1920)), platform::DisplayChangeBadParam)
      << "a name is never run as a command";
  EXPECT_EQ(source.outputs().size(), 2) << "sway is still there";
}

}  // namespace
