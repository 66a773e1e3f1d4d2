// The monitors of a real GNOME compositor: mutter, headless with virtual
// monitors on a private session bus, asked and turned through its display
// configuration service as the driver does in a GNOME Wayland session.

#include "driver/core/MyQmlEnum.h"
#include "driver/display/DisplayMonitorDevice.h"
#include "platform/display/linux/GnomeTabletMapping.h"
#include "platform/display/linux/MutterDisplayOutputs.h"
#include "platform/display/linux/MutterDisplayState.h"
#include "OutputLookup.h"
#include "tests/support/HeadlessCompositor.h"

#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>

using platform::DisplayOutput;
using platform::GnomeTabletMapping;
using platform::MutterDisplayOutputs;

namespace {

// Mutter applies a new configuration a little after answering the call.
QVector<DisplayOutput> outputsOnceSettled(MutterDisplayOutputs& source, const QString& name, int orientation) {
  const QDeadlineTimer deadline(10000);
  QVector<DisplayOutput> outputs = source.outputs();
  while (!deadline.hasExpired()) {
    const DisplayOutput* output = outputNamed(outputs, name);
    if (output && output->orientation == orientation) break;
    QThread::msleep(20);
    outputs = source.outputs();
  }
  return outputs;
}

TEST(MutterOutputs, ListsEachMonitorWithItsProductNameAndPlaceInTheLayout) {
  HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080), QSize(2560, 1440)});
  if (!mutter.running()) GTEST_SKIP() << mutter.whyNot().toStdString();
  ASSERT_TRUE(MutterDisplayOutputs::isAvailable(mutter.bus()));
  MutterDisplayOutputs source(mutter.bus());
  const QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);

  QRect layout;
  QVector<QSize> sizes;
  for (const DisplayOutput& output : outputs) {
    EXPECT_EQ(output.monitorName, "MetaVirtualMonitor") << output.name.toStdString();
    EXPECT_TRUE(output.edid.isEmpty());
    EXPECT_EQ(output.orientation, 0);
    EXPECT_EQ(output.rect.size(), output.modeSize);
    EXPECT_FALSE(layout.intersects(output.rect)) << "monitors overlap";
    layout |= output.rect;
    sizes << output.rect.size();
  }
  EXPECT_TRUE(sizes.contains(QSize(1920, 1080)));
  EXPECT_TRUE(sizes.contains(QSize(2560, 1440)));
  EXPECT_EQ(layout, QRect(0, 0, 1920 + 2560, 1440));
}

// Turning the left monitor upright narrows it, and the monitor right of it
// moves left, so the layout keeps no gap; turning back restores both.
TEST(MutterOutputs, TurnsAMonitorAndKeepsTheLayoutClosed) {
  HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080), QSize(2560, 1440)});
  if (!mutter.running()) GTEST_SKIP() << mutter.whyNot().toStdString();
  MutterDisplayOutputs source(mutter.bus());
  QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  const DisplayOutput left = outputs[0].rect.x() == 0 ? outputs[0] : outputs[1];
  const DisplayOutput right = outputs[0].rect.x() == 0 ? outputs[1] : outputs[0];

  ASSERT_EQ(source.setMode(left.name, 1, left.modeSize.transposed()), platform::DisplayChangeSuccessful);
  outputs = outputsOnceSettled(source, left.name, 1);
  const DisplayOutput* turned = outputNamed(outputs, left.name);
  const DisplayOutput* moved = outputNamed(outputs, right.name);
  ASSERT_TRUE(turned && moved);
  EXPECT_EQ(turned->orientation, 1);
  EXPECT_EQ(turned->rect, QRect(QPoint(0, 0), left.rect.size().transposed()));
  EXPECT_EQ(turned->modeSize, left.modeSize.transposed());
  EXPECT_EQ(moved->rect, QRect(QPoint(turned->rect.width(), 0), right.rect.size()));

  ASSERT_EQ(source.setMode(left.name, 0, left.modeSize), platform::DisplayChangeSuccessful);
  outputs = outputsOnceSettled(source, left.name, 0);
  EXPECT_EQ(outputNamed(outputs, left.name)->rect, left.rect);
  EXPECT_EQ(outputNamed(outputs, right.name)->rect, right.rect);

  EXPECT_EQ(source.setMode(left.name, 1, QSize(333, 777)), platform::DisplayChangeBadMode);
  EXPECT_EQ(source.setMode("HDMI-9", 1, left.modeSize.transposed()), platform::DisplayChangeBadParam);
}

// Mutter spreads the pen over the monitor GNOME's tablet settings name for
// it: the pen meant for the right-hand monitor is mapped onto that monitor
// by its vendor, product and serial, and its coordinates become fractions
// of it; meant for the whole desktop, the names are written empty, so
// mutter does not guess a monitor of its own.
TEST(MutterOutputs, NamesThePensMonitorInGnomesTabletSettings) {
  // The settings stay in this process; the user's own are not touched.
  qputenv("GSETTINGS_BACKEND", "memory");
  if (GnomeTabletMapping::storedMonitorNames().isEmpty()) GTEST_SKIP() << "GNOME's tablet settings are not installed";
  HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080), QSize(2560, 1440)});
  if (!mutter.running()) GTEST_SKIP() << mutter.whyNot().toStdString();
  MutterDisplayOutputs source(mutter.bus());
  const QVector<DisplayOutput> outputs = source.outputs();
  ASSERT_EQ(outputs.size(), 2);
  const DisplayOutput right = outputs[0].rect.x() > 0 ? outputs[0] : outputs[1];
  const QRect desktop = outputs[0].rect | outputs[1].rect;

  platform::MutterDisplayState state;
  const QDBusMessage reply = mutter.bus().call(QDBusMessage::createMethodCall(
      "org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig", "org.gnome.Mutter.DisplayConfig",
      "GetCurrentState"));
  ASSERT_TRUE(platform::MutterDisplayState::parse(reply, state));
  const platform::MutterDisplayState::Monitor* monitor = state.monitor(right.name);
  ASSERT_TRUE(monitor);

  EXPECT_EQ(source.penFrame(right.rect, desktop), right.rect);
  const QStringList names = GnomeTabletMapping::storedMonitorNames();
  ASSERT_GE(names.size(), 3);
  EXPECT_EQ(names.mid(0, 3), QStringList({monitor->vendor, monitor->product, monitor->serial}));
  if (names.size() > 3) EXPECT_EQ(names[3], right.name);
  EXPECT_EQ(source.penFrame(desktop, desktop), desktop);
  EXPECT_EQ(GnomeTabletMapping::storedMonitorNames().join(""), "");
}

// The pen display is chosen by the monitor's name, never by the connector:
// a single monitor is the pen display whatever it is called; of two
// monitors whose names are no pen display's, none is.
TEST(MutterOutputs, ChoosesThePenDisplayByMonitorName) {
  {
    HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080), QSize(2560, 1440)});
    if (!mutter.running()) GTEST_SKIP() << mutter.whyNot().toStdString();
    platform::DisplayOutputs::install(std::make_unique<MutterDisplayOutputs>(mutter.bus()));
    DisplayMonitorDevice monitors;
    monitors.setDevType(MyQmlEnum::CFG_Fjord5);
    EXPECT_EQ(monitors.findPenDisplayDevice(), "");
    ASSERT_EQ(monitors.monitorNameMap().size(), 2);
    for (const QString& name : monitors.monitorNameMap()) EXPECT_EQ(name, "MetaVirtualMonitor");
  }
  {
    HeadlessCompositor mutter = HeadlessCompositor::mutter({QSize(1920, 1080)});
    ASSERT_TRUE(mutter.running()) << mutter.whyNot().toStdString();
    platform::DisplayOutputs::install(std::make_unique<MutterDisplayOutputs>(mutter.bus()));
    DisplayMonitorDevice monitors;
    monitors.setDevType(MyQmlEnum::CFG_Fjord5);
    EXPECT_FALSE(monitors.findPenDisplayDevice().isEmpty());
    const QRect rect = monitors.monitorRect(monitors.findPenDisplayDevice());
    EXPECT_EQ(rect, QRect(0, 0, 1920, 1080));
  }
  platform::DisplayOutputs::install(nullptr);
}

}  // namespace
