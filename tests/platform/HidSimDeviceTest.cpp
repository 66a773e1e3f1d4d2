#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"

#include <gtest/gtest.h>

#include <array>

using platform::HidBackend;
using platform::HidInterfaceInfo;
using platform::SimHidDevice;

namespace {

// A tablet-like device: a vendor collection that reads and writes, and a mouse
// collection beside it under the same identity.
std::shared_ptr<SimHidDevice> makeTablet() {
  auto device = std::make_shared<SimHidDevice>(
      0x1a2b, 0x0101, std::vector<SimHidDevice::Collection>{{0xFF00, 0x01, 12, 9, 0}, {0x0001, 0x02, 5, 0, 0}},
      "Varnex LarkA (1f2)", "Varnex", "SN0001");
  device->plugIn();
  return device;
}

class HidSimDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { HidBackend::install(std::make_unique<platform::SimHidBackend>()); }
  void TearDown() override { HidBackend::install(nullptr); }

  std::unique_ptr<platform::HidConnection> openCollection(uint16_t usagePage, bool exclusive = false) {
    for (const HidInterfaceInfo& info : HidBackend::current().enumerate(0x1a2b, 0x0101)) {
      if (info.usagePage == usagePage) return HidBackend::current().open(info, exclusive);
    }
    return nullptr;
  }
};

TEST_F(HidSimDeviceTest, EnumeratesEveryCollectionWithItsIdentityUntilUnplugged) {
  auto device = makeTablet();
  const auto found = HidBackend::current().enumerate(0x1a2b, 0x0101);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].usagePage, 0xFF00);
  EXPECT_EQ(found[0].inputReportLength, 12);
  EXPECT_EQ(found[0].outputReportLength, 9);
  EXPECT_EQ(found[0].product, QByteArray("Varnex LarkA (1f2)"));
  EXPECT_EQ(found[0].serial, QByteArray("SN0001"));
  EXPECT_EQ(found[1].usage, 0x02);
  EXPECT_NE(found[0].path, found[1].path);
  EXPECT_TRUE(HidBackend::current().enumerate(0x1a2b, 0x0102).empty());

  device->unplug();
  EXPECT_TRUE(HidBackend::current().enumerate(0x1a2b, 0x0101).empty());
  device->unregister();
}

TEST_F(HidSimDeviceTest, ReadsReportsOfItsOwnCollectionInOrderAndNeverOverrunsTheBuffer) {
  auto device = makeTablet();
  auto vendor = openCollection(0xFF00);
  ASSERT_TRUE(vendor);
  device->pushInput(QByteArray::fromHex("0702"), 1);  // the mouse collection's, not ours
  device->pushInput(QByteArray::fromHex("0211223344"));
  device->pushInput(QByteArray::fromHex("02aabbccddeeff00112233ff"));

  std::array<uint8_t, 8> buffer{};
  EXPECT_EQ(vendor->read(buffer.data(), 8), 5);
  EXPECT_EQ(QByteArray(reinterpret_cast<char*>(buffer.data()), 5), QByteArray::fromHex("0211223344"));

  // A 12-byte report into a 4-byte window: four bytes, the guard stays.
  buffer.fill(0x5a);
  EXPECT_EQ(vendor->read(buffer.data(), 4), 4);
  EXPECT_EQ(buffer[3], 0xcc);
  EXPECT_EQ(buffer[4], 0x5a);
  EXPECT_EQ(device->pendingInput(0), 0);
  EXPECT_EQ(device->pendingInput(1), 1);
  device->unregister();
}

TEST_F(HidSimDeviceTest, ExclusiveOpenKeepsOthersOutAndIsRefusedWhileShared) {
  auto device = makeTablet();
  {
    auto first = openCollection(0xFF00, true);
    ASSERT_TRUE(first);
    EXPECT_FALSE(openCollection(0xFF00, false));
    EXPECT_FALSE(openCollection(0xFF00, true));
    EXPECT_TRUE(openCollection(0x0001, true)) << "the other collection is not locked";
  }
  auto shared = openCollection(0xFF00, false);
  ASSERT_TRUE(shared);
  EXPECT_TRUE(openCollection(0xFF00, false));
  EXPECT_FALSE(openCollection(0xFF00, true));
  EXPECT_EQ(device->openConnections(), 1);

  device->setOpenRefused(true);
  EXPECT_FALSE(openCollection(0x0001));
  device->unregister();
}

TEST_F(HidSimDeviceTest, LogsWritesRefusesOversizedOnesAndLetsAnEmulatorAnswer) {
  auto device = makeTablet();
  auto vendor = openCollection(0xFF00);
  ASSERT_TRUE(vendor);
  device->setWriteHandler([&](const SimHidDevice::WrittenReport& report) {
    if (report.kind == SimHidDevice::ReportKind::Output && report.data.startsWith('\x09'))
      device->pushInput(QByteArray::fromHex("09ff"));
  });

  const uint8_t init[9] = {0x09, 0x01, 0x04};
  EXPECT_EQ(vendor->write(init, 9), 9);
  const uint8_t tooLong[10] = {0x09};
  EXPECT_EQ(vendor->write(tooLong, 10), 0);
  EXPECT_FALSE(vendor->setFeature(init, 3)) << "this collection has no feature report";

  ASSERT_EQ(device->outputReports().size(), 1u);
  EXPECT_EQ(device->outputReports()[0], QByteArray::fromHex("090104000000000000"));
  uint8_t answer[12];
  EXPECT_EQ(vendor->read(answer, sizeof answer), 2);
  EXPECT_EQ(answer[1], 0xff);

  device->setWritesFail(true);
  EXPECT_EQ(vendor->write(init, 9), 0);
  EXPECT_EQ(device->writtenReports().size(), 1u);
  device->unregister();
}

TEST_F(HidSimDeviceTest, ACancelAfterTheReadReturnedLeavesTheNextReadAlone) {
  auto device = makeTablet();
  auto vendor = openCollection(0xFF00);
  ASSERT_TRUE(vendor);
  uint8_t buffer[12];
  device->pushInput(QByteArray::fromHex("0201"));
  EXPECT_EQ(vendor->read(buffer, sizeof buffer), 2);
  vendor->cancelRead();
  device->pushInput(QByteArray::fromHex("0202"));
  EXPECT_EQ(vendor->read(buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[1], 0x02);
  // A bounded read gives up with nothing; the device is still there.
  EXPECT_EQ(vendor->read(buffer, sizeof buffer, 20), 0);
  EXPECT_FALSE(vendor->isGone());
  device->unregister();
}

TEST_F(HidSimDeviceTest, UnpluggedDeviceReadsNothingAtOnceAndRefusesEverything) {
  auto device = makeTablet();
  auto vendor = openCollection(0xFF00);
  ASSERT_TRUE(vendor);
  device->pushInput(QByteArray::fromHex("0201"));
  device->setIndexedString(2, "LarkA");
  EXPECT_EQ(vendor->indexedString(2), QByteArray("LarkA"));
  device->unplug();

  uint8_t buffer[12];
  EXPECT_EQ(vendor->read(buffer, sizeof buffer), 0) << "queued reports die with the device";
  EXPECT_EQ(vendor->read(buffer, sizeof buffer), 0);
  EXPECT_TRUE(vendor->isGone());
  EXPECT_EQ(vendor->write(buffer, 9), 0);
  EXPECT_TRUE(vendor->indexedString(2).isEmpty());
  HidInterfaceInfo stale;
  stale.path = "sim:1a2b:0101:1/0";
  EXPECT_FALSE(HidBackend::current().open(stale, false));
  device->unregister();
}

TEST_F(HidSimDeviceTest, ConnectionOutlivesTheTestsOwnReference) {
  auto device = makeTablet();
  auto vendor = openCollection(0xFF00);
  ASSERT_TRUE(vendor);
  device->pushInput(QByteArray::fromHex("0201"));
  device->unregister();
  device.reset();
  uint8_t buffer[12];
  EXPECT_EQ(vendor->read(buffer, sizeof buffer), 2);
}

}  // namespace
