// The monitors of a real Plasma compositor: KWin with virtual outputs on a
// private session bus, read through its output-device protocol and turned
// through its output-management protocol, as the driver does in a Plasma
// Wayland session.

#include "platform/display/linux/KWinDisplayOutputs.h"
#include "OutputLookup.h"
#include "tests/support/HeadlessCompositor.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QThread>

using platform::DisplayOutput;
using platform::KWinDisplayOutputs;

namespace {

class KWinOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kwin.running()) GTEST_SKIP() << kwin.whyNot().toStdString();
  }
  HeadlessCompositor kwin = HeadlessCompositor::kwin(2, QSize(1280, 800));
  KWinDisplayOutputs source{kwin.socketPath()};
};

TEST_F(KWinOutputs, ListsEachOutputWithItsNameAndPlaceInTheLayout) {
  ASSERT_TRUE(KWinDisplayOutputs::isAvailable(kwin.socketPath()));
  const QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  QRect layout;
  for (const DisplayOutput& output : outputs) {
    EXPECT_FALSE(output.name.isEmpty());
    EXPECT_EQ(output.orientation, 0);
    EXPECT_EQ(output.rect.size(), QSize(1280, 800)) << output.name.toStdString();
    EXPECT_EQ(output.modeSize, QSize(1280, 800));
    EXPECT_FALSE(layout.intersects(output.rect)) << "outputs overlap";
    layout |= output.rect;
  }
  EXPECT_NE(outputs[0].name, outputs[1].name);
  EXPECT_EQ(layout.size(), QSize(2560, 800));
}

// Turned upright, the left output narrows and the right one follows it, so
// the layout keeps no gap; turned back, both are where they were.
TEST_F(KWinOutputs, TurnsAnOutputAndKeepsTheLayoutClosed) {
  QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  const DisplayOutput left = outputs[0].rect.x() < outputs[1].rect.x() ? outputs[0] : outputs[1];
  const DisplayOutput right = outputs[0].rect.x() < outputs[1].rect.x() ? outputs[1] : outputs[0];

  ASSERT_EQ(source.setMode(left.name, 1, QSize(800, 1280)), platform::DisplayChangeSuccessful);
  outputs = source.outputs();
  const DisplayOutput* turned = outputNamed(outputs, left.name);
  const DisplayOutput* moved = outputNamed(outputs, right.name);
  ASSERT_TRUE(turned && moved);
  EXPECT_EQ(turned->orientation, 1);
  EXPECT_EQ(turned->rect, QRect(left.rect.topLeft(), QSize(800, 1280)));
  EXPECT_EQ(moved->rect.topLeft(), QPoint(left.rect.x() + 800, right.rect.y()));

  ASSERT_EQ(source.setMode(left.name, 0, QSize(1280, 800)), platform::DisplayChangeSuccessful);
  outputs = source.outputs();
  EXPECT_EQ(outputNamed(outputs, left.name)->rect, left.rect);
  EXPECT_EQ(outputNamed(outputs, right.name)->rect, right.rect);

  EXPECT_EQ(source.setMode(left.name, 1, QSize(333, 777)), platform::DisplayChangeBadMode);
  EXPECT_EQ(source.setMode("HDMI-9", 1, QSize(800, 1280)), platform::DisplayChangeBadParam);
}

}  // namespace

namespace {

// KWin spreads a tablet over one output, so a pen meant for one output has
// that output as its frame; the whole desktop stays the frame when the pen
// is meant for all of it, which KWin cannot do.
TEST_F(KWinOutputs, APenMeantForOneOutputIsFramedByThatOutput) {
  const QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  const QRect desktop = outputs[0].rect | outputs[1].rect;
  EXPECT_EQ(source.penFrame(outputs[1].rect, desktop), outputs[1].rect);
  EXPECT_EQ(source.penFrame(outputs[0].rect, desktop), outputs[0].rect);
  EXPECT_EQ(source.penFrame(desktop, desktop), desktop);
  EXPECT_EQ(source.penFrame(QRect(0, 0, 10, 10), desktop), desktop) << "not an output of this desktop";
}

}  // namespace
