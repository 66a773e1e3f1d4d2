#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"

#include <gtest/gtest.h>

#include <future>

using platform::HidBackend;
using platform::SimHidDevice;

namespace {

class HidDeviceThreadedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HidDevice::setSearchPauses(0, 0);
    HidBackend::install(std::make_unique<platform::SimHidBackend>());
    tablet = std::make_shared<SimHidDevice>(0x3CA1, 0x0105,
                                            std::vector<SimHidDevice::Collection>{{0xFF0A, 0x0001, 12, 9, 0}});
    tablet->plugIn();
    device = std::make_unique<HidDevice>(0x3CA1, 0x0105, 0xFF0A, 1, true, true);
    ASSERT_TRUE(device->opened());
  }
  void TearDown() override {
    device.reset();
    tablet->unregister();
    HidBackend::install(nullptr);
    HidDevice::setSearchPauses(5, 1000);
  }

  std::future<int> blockedRead() {
    auto read = std::async(std::launch::async, [this] { return device->read(buffer, sizeof buffer); });
    EXPECT_TRUE(tablet->waitForBlockedReads(1, 5000));
    return read;
  }

  std::shared_ptr<SimHidDevice> tablet;
  std::unique_ptr<HidDevice> device;
  uint8_t buffer[12] = {};
};

TEST_F(HidDeviceThreadedTest, BlockedReadReturnsWhenCancelled) {
  auto read = blockedRead();
  device->cancelRead();
  EXPECT_EQ(read.get(), 0);
  EXPECT_FALSE(device->gone());
}

// The delayed second init report is written from another thread while the
// device thread waits in a read.
TEST_F(HidDeviceThreadedTest, WriteWhileAReadIsPending) {
  auto read = blockedRead();
  const uint8_t init[3] = {0x09, 0x01, 0x04};
  EXPECT_EQ(device->write(init, 3), 9);
  tablet->pushInput(QByteArray::fromHex("0901"));
  EXPECT_EQ(read.get(), 2);
}

}  // namespace
