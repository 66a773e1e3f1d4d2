#include "driver/output/VMulti.h"
#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <gtest/gtest.h>

namespace {

// A pen collection that asks for longer reports than the link's buffer.
class WidePen : public platform::VirtualHidDevice {
 public:
  std::vector<platform::HidInterfaceInfo> interfaces() const override {
    platform::HidInterfaceInfo info;
    info.path = "wide-pen";
    info.vendorId = 0x6666;
    info.productId = 0x2908;
    info.usagePage = 0xFF00;
    info.usage = 1;
    info.outputReportLength = 100;
    return {info};
  }
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo&, bool) override {
    return std::make_unique<Connection>(*this);
  }
  QByteArray written;

 private:
  struct Connection : platform::HidConnection {
    explicit Connection(WidePen& owner) : owner(owner) {}
    int receive(uint8_t*, int, int) override { return 0; }
    void cancelRead() override {}
    int write(const uint8_t* data, int length) override {
      owner.written = QByteArray(reinterpret_cast<const char*>(data), length);
      return length;
    }
    bool setFeature(const uint8_t*, int) override { return false; }
    QByteArray indexedString(int) override { return QByteArray(); }
    bool isGone() const override { return false; }
    WidePen& owner;
  };
};

class VMultiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    HidDevice::setSearchPauses(0, 0);
  }
  void TearDown() override { platform::VirtualPen::uninstall(); }
};

}  // namespace

TEST_F(VMultiTest, WithoutTheVirtualPenLinksStayClosedAndSwallowWrites) {
  VMulti pen(2);
  EXPECT_FALSE(pen.isOpen());
  EXPECT_FALSE(pen.isWritable());
  const uint8_t report[12] = {0x40, 0x0A, 0x05, 0x21};
  pen.setBuffer(report, 12);
  EXPECT_TRUE(pen.write());
  EXPECT_TRUE(pen.writeModeReport(true));
  VMulti unknown(7);
  EXPECT_FALSE(unknown.isOpen());
}

TEST_F(VMultiTest, PenAndModeLinksReachTheirCollections) {
  auto recorder = platform::VirtualPen::installRecorder();
  VMulti pen(2);
  VMulti mode(3);
  ASSERT_TRUE(pen.isOpen() && pen.isWritable());
  ASSERT_TRUE(mode.isOpen());
  const uint8_t report[12] = {0x40, 0x0A, 0x05, 0x21, 1, 2, 3, 4, 5, 6, 7, 8};
  pen.setBuffer(report, 12);
  EXPECT_TRUE(pen.write());
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(pen.lastWritten()), 12),
            QByteArray(reinterpret_cast<const char*>(report), 12));
  EXPECT_TRUE(mode.writeModeReport(false));
  EXPECT_TRUE(mode.writeModeReport(true));
  ASSERT_EQ(recorder->penReports().size(), 1u);
  ASSERT_EQ(recorder->modeReports().size(), 2u);
  QByteArray inkOff(65, '\0');
  inkOff[0] = 0x41;
  inkOff[1] = 0x01;
  inkOff[2] = 0x01;
  EXPECT_EQ(recorder->modeReports()[0], inkOff);
  EXPECT_EQ(recorder->modeReports()[1][2], '\0');
}

TEST_F(VMultiTest, ALongerDeviceReportIsPaddedNotReadPastTheBuffer) {
  auto wide = std::make_shared<WidePen>();
  platform::HidBackend::current().registerVirtual(wide);
  VMulti pen(2);
  ASSERT_TRUE(pen.isOpen());
  uint8_t full[80];
  for (int i = 0; i < 80; ++i) full[i] = uint8_t(i + 1);
  pen.setBuffer(full, 80);  // only 65 fit
  EXPECT_TRUE(pen.write());
  ASSERT_EQ(wide->written.size(), 100);
  EXPECT_EQ(uint8_t(wide->written[64]), 65);
  EXPECT_EQ(wide->written.mid(65), QByteArray(35, '\0'));
}
