#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"

#include <gtest/gtest.h>

#include <future>

using platform::HidBackend;
using platform::SimHidDevice;

namespace {

class HidSimDeviceThreadedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HidBackend::install(std::make_unique<platform::SimHidBackend>());
    device =
        std::make_shared<SimHidDevice>(0x1a2b, 0x0202, std::vector<SimHidDevice::Collection>{{0xFF00, 0x01, 12, 9, 0}});
    device->plugIn();
    const auto found = HidBackend::current().enumerate(0x1a2b, 0x0202);
    ASSERT_EQ(found.size(), 1u);
    connection = HidBackend::current().open(found[0], true);
    ASSERT_TRUE(connection);
  }
  void TearDown() override {
    connection.reset();
    device->unregister();
    HidBackend::install(nullptr);
  }

  // Starts a read on another thread and returns once it is blocked.
  std::future<int> blockedRead() {
    auto result = std::async(std::launch::async, [this] { return connection->read(buffer, sizeof buffer); });
    EXPECT_TRUE(device->waitForBlockedReads(1, 5000));
    return result;
  }

  std::shared_ptr<SimHidDevice> device;
  std::unique_ptr<platform::HidConnection> connection;
  uint8_t buffer[12] = {};
};

TEST_F(HidSimDeviceThreadedTest, BlockedReadWakesForAReportPushedFromAnotherThread) {
  auto read = blockedRead();
  std::thread([this] { device->pushInput(QByteArray::fromHex("02112233")); }).join();
  EXPECT_EQ(read.get(), 4);
  EXPECT_EQ(buffer[3], 0x33);
}

TEST_F(HidSimDeviceThreadedTest, BlockedReadReturnsZeroWhenCancelledAndTheNextReadStillWorks) {
  auto read = blockedRead();
  connection->cancelRead();
  EXPECT_EQ(read.get(), 0);
  EXPECT_FALSE(connection->isGone());
  device->pushInput(QByteArray::fromHex("0201"));
  EXPECT_EQ(connection->read(buffer, sizeof buffer), 2);
}

TEST_F(HidSimDeviceThreadedTest, UnplugWhileAReadIsPendingEndsItAndEveryLaterRead) {
  auto read = blockedRead();
  device->unplug();
  EXPECT_EQ(read.get(), 0);
  EXPECT_TRUE(connection->isGone());
  EXPECT_EQ(connection->read(buffer, sizeof buffer), 0);
}

TEST_F(HidSimDeviceThreadedTest, WritesFromManyThreadsAreAllLogged) {
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([this, t] {
      for (int i = 0; i < 50; ++i) {
        const uint8_t report[2] = {uint8_t(t), uint8_t(i)};
        connection->write(report, 2);
      }
    });
  }
  EXPECT_TRUE(device->waitForWrittenReports(200, 5000));
  for (auto& writer : writers) writer.join();
  EXPECT_EQ(device->outputReports().size(), 200u);
}

}  // namespace
