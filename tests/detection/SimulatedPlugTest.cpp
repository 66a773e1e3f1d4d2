// A simulated tablet pulled out and plugged back in, as --simulate offers it:
// detection hears both, and the HID backend sees the tablet only while it is in.

#include "driver/app/DetectionDevice.h"
#include "driver/app/SimulatedWorld.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

TEST(SimulatedPlugTest, ATabletUnpluggedAndPluggedBackIsReportedBothWays) {
  const ModelEntry& larkB = *ModelTable::byKey("LarkB");
  SimulatedWorld world(larkB);
  DetectionDevice detection;
  QSignalSpy reports(&detection, &DetectionDevice::s_devTypeAndState);
  auto present = [&] { return platform::HidBackend::current().enumerate(larkB.vendorId, larkB.productId).size(); };

  detection.scanDevices();
  ASSERT_EQ(reports.size(), 1);
  EXPECT_EQ(reports[0][0].value<MyQmlEnum::VARNEX>(), MyQmlEnum::CFG_LarkB);
  EXPECT_TRUE(reports[0][1].toBool());

  std::weak_ptr<platform::SimHidDevice> pulled = world.tablet();
  world.unplug();
  ASSERT_EQ(reports.size(), 2);
  EXPECT_FALSE(reports[1][1].toBool());
  EXPECT_EQ(present(), 0u);
  EXPECT_TRUE(pulled.expired() || pulled.lock()->isGone());
  world.feedNextReport();  // nothing to feed while unplugged
  detection.scanDevices();
  EXPECT_EQ(reports.size(), 2);

  world.plugIn();
  ASSERT_EQ(reports.size(), 3);
  EXPECT_EQ(reports[2][0].value<MyQmlEnum::VARNEX>(), MyQmlEnum::CFG_LarkB);
  EXPECT_TRUE(reports[2][1].toBool());
  EXPECT_GT(present(), 0u);
}

}  // namespace
