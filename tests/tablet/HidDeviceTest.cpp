#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/linux/LinuxHidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "tests/support/FakeHidrawTree.h"
#include "tests/support/TabletDescriptors.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <stdexcept>

using platform::HidBackend;
using platform::SimHidDevice;

namespace {

// Counts how often the driver asks for real devices.
class CountingBackend : public platform::SimHidBackend {
 public:
  int enumerations = 0;

 protected:
  std::vector<platform::HidInterfaceInfo> enumerateReal(uint16_t vendorId, uint16_t productId) override {
    ++enumerations;
    return SimHidBackend::enumerateReal(vendorId, productId);
  }
};

class HidDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HidDevice::setSearchPauses(0, 0);
    auto counting = std::make_unique<CountingBackend>();
    backend = counting.get();
    HidBackend::install(std::move(counting));
    // A tablet whose vendor interface and mouse interface share the identity.
    tablet = std::make_shared<SimHidDevice>(
        0x3CA1, 0x0103, std::vector<SimHidDevice::Collection>{{0x0001, 0x0002, 5, 0, 0}, {0xFF0A, 0x0001, 12, 9, 0}},
        "Varnex LarkA (1f2)", "Varnex", "SN-0001");
    tablet->setIndexedString(4, "LarkA firmware");
    tablet->plugIn();
  }
  void TearDown() override {
    tablet->unregister();
    HidBackend::install(nullptr);
    HidDevice::setSearchPauses(5, 1000);
  }

  CountingBackend* backend = nullptr;
  std::shared_ptr<SimHidDevice> tablet;
};

TEST_F(HidDeviceTest, ZeroVendorOrProductSearchesNothing) {
  EXPECT_FALSE(HidDevice(0, 0x0103, 0xFF0A, 1).opened());
  EXPECT_FALSE(HidDevice(0x3CA1, 0, 0xFF0A, 1).opened());
  EXPECT_EQ(backend->enumerations, 0);
  EXPECT_FALSE(HidDevice(0x3CA1, 0x0199, 0xFF0A, 1).opened());
  EXPECT_EQ(backend->enumerations, 1);
}

TEST_F(HidDeviceTest, OpensOnlyTheCollectionWithTheRequestedUsage) {
  HidDevice device(0x3CA1, 0x0103, 0xFF0A, 1, true, true);
  ASSERT_TRUE(device.opened());
  EXPECT_EQ(tablet->openConnections(), 1);
  EXPECT_EQ(device.inputReportLength(), 12);
  EXPECT_EQ(device.outputReportLength(), 9);
  EXPECT_EQ(device.product(), QByteArray("Varnex LarkA (1f2)"));
  EXPECT_EQ(device.manufacturer(), QByteArray("Varnex"));
  EXPECT_EQ(device.serial(), QByteArray("SN-0001"));
  EXPECT_EQ(device.productCode(), 0x12);
  ASSERT_NE(device.params(), nullptr);
  EXPECT_TRUE(device.params()->exclusive);

  tablet->pushInput(QByteArray::fromHex("0702"), 0);  // the mouse's report
  tablet->pushInput(QByteArray::fromHex("02a1"), 1);
  uint8_t buffer[12];
  EXPECT_EQ(device.read(buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[1], 0xa1);

  EXPECT_FALSE(HidDevice(0x3CA1, 0x0103, 0xFF0A, 1).opened()) << "held exclusively";
  EXPECT_FALSE(HidDevice(0x3CA1, 0x0103, 0xFF0C, 7).opened()) << "no such usage";
}

TEST_F(HidDeviceTest, ShortWriteGoesOutAtFullLengthAndLongWriteIsRefused) {
  HidDevice device(0x3CA1, 0x0103, 0xFF0A, 1);
  ASSERT_TRUE(device.opened());
  const uint8_t init[10] = {0x02, 0xB0, 0x04, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55};
  EXPECT_EQ(device.write(init, 3), 9);
  EXPECT_EQ(device.write(init, 10), 0);
  ASSERT_EQ(tablet->outputReports(1).size(), 1u);
  EXPECT_EQ(tablet->outputReports(1)[0], QByteArray::fromHex("02b004000000000000"));
}

TEST_F(HidDeviceTest, StringRequestsStopOnceReadingHasStarted) {
  HidDevice device(0x3CA1, 0x0103, 0xFF0A, 1);
  ASSERT_TRUE(device.opened());
  EXPECT_EQ(device.indexedString(4), QByteArray("LarkA firmware"));
  EXPECT_EQ(device.indexedString(4 + 256), QByteArray("LarkA firmware")) << "only the low byte is the index";
  tablet->pushInput(QByteArray::fromHex("0200"), 1);
  uint8_t buffer[12];
  device.read(buffer, sizeof buffer);
  EXPECT_TRUE(device.inUse());
  EXPECT_THROW(device.indexedString(4), std::runtime_error);
}

TEST_F(HidDeviceTest, UnpluggedDeviceReadsZeroAndSaysItIsGone) {
  HidDevice device(0x3CA1, 0x0103, 0xFF0A, 1);
  ASSERT_TRUE(device.opened());
  tablet->unplug();
  uint8_t buffer[12];
  EXPECT_EQ(device.read(buffer, sizeof buffer), 0);
  EXPECT_TRUE(device.gone());
  EXPECT_EQ(device.write(buffer, 3), 0);
  EXPECT_FALSE(HidDevice(0x3CA1, 0x0103, 0xFF0A, 1).opened());
}

TEST(HidDeviceProductCode, IsTheHexNumberInParenthesesWithoutAnyF) {
  EXPECT_EQ(HidDevice::productCodeFromProductString("X (1f2)"), 0x12);
  EXPECT_EQ(HidDevice::productCodeFromProductString("Fjord (F3A) (77)"), 0x3A);
  EXPECT_EQ(HidDevice::productCodeFromProductString("LarkA"), 0);
  EXPECT_EQ(HidDevice::productCodeFromProductString("LarkA (zz)"), 0);
  EXPECT_EQ(HidDevice::productCodeFromProductString("LarkA (ff)"), 0);
}

// The same device path over the hidraw backend and a fake sysfs tree.
TEST(HidDeviceOnHidraw, OpensTheVendorCollectionOfACompositeNodeAndPadsWrites) {
  HidDevice::setSearchPauses(0, 0);
  testenv::FakeHidrawTree tree;
  tree.add({0, 0x3CA2, 0x0201, "Varnex Fjord1 (102)", "", "", descriptors::digitizerPen()});
  tree.add({1, 0x3CA2, 0x0201, "Varnex Fjord1 (102)", "", "", descriptors::mouseKeyboardVendor()});
  HidBackend::install(std::make_unique<platform::LinuxHidBackend>(tree.sysfsRoot(), tree.devRoot()));

  {
    HidDevice firmware(0x3CA2, 0x0201, 0xFF0C, 7, false, false);
    ASSERT_TRUE(firmware.opened());
    EXPECT_EQ(firmware.inputReportLength(), 64);
    EXPECT_EQ(firmware.outputReportLength(), 64);
    EXPECT_EQ(firmware.productCode(), 0x102);
    const uint8_t frame[3] = {0x06, 0x01, 0x02};
    EXPECT_EQ(firmware.write(frame, 3), 64);

    const int reader = ::open(QFile::encodeName(tree.devNode(1)).constData(), O_RDONLY | O_NONBLOCK);
    char sent[128] = {};
    EXPECT_EQ(::read(reader, sent, sizeof sent), 64);
    EXPECT_EQ(QByteArray(sent, 4), QByteArray::fromHex("06010200"));
    ::close(reader);

    HidDevice pen(0x3CA2, 0x0201, 0x000D, 0x0002);
    ASSERT_TRUE(pen.opened());
    EXPECT_EQ(pen.inputReportLength(), 10);
    EXPECT_EQ(pen.outputReportLength(), 0);
    EXPECT_EQ(pen.write(frame, 3), 0) << "a collection without output reports takes none";
  }
  HidBackend::install(nullptr);
  HidDevice::setSearchPauses(5, 1000);
}

}  // namespace
