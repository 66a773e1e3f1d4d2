// Device detection over the simulated session: what reaches the controller
// for plug-ins, scans, sleep and wake, and a later start's message.

#include "driver/app/DetectionDevice.h"
#include "driver/tablet/ModelTable.h"
#include "platform/session/DeviceWatcher.h"
#include "platform/session/WindowRaiser.h"
#include "platform/session/sim/SimSession.h"
#include "platform/session/sim/SimWindowRaiser.h"
#include "tests/detection/LogCapture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using MyQmlEnum::VARNEX;

namespace {

QString nameOf(VARNEX devType) {
  return "HID#" + ModelTable::recognitionText(*ModelTable::byDevType(devType)) + "&MI_00#7&1a2b3c&0&0000";
}

// What detection told the controller, in order, as readable text.
class Reports : public QObject {
 public:
  explicit Reports(DetectionDevice& detection) {
    connect(&detection, &DetectionDevice::s_devTypeAndState, this,
            [this](VARNEX devType, bool arrival) { lines << QString("%1 %2").arg(int(devType)).arg(arrival); });
    connect(&detection, &DetectionDevice::s_showTablet, this, [this] { lines << "show"; });
    connect(&detection, &DetectionDevice::s_systemState, this,
            [this](DetectionDevice::SyStemState state) { lines << QString("state %1").arg(int(state)); });
  }
  QStringList take() { return std::exchange(lines, QStringList()); }
  QStringList lines;
};

QString arrival(VARNEX devType) { return QString("%1 1").arg(int(devType)); }
QString removal(VARNEX devType) { return QString("%1 0").arg(int(devType)); }

class DetectionDeviceTest : public ::testing::Test {
 protected:
  platform::SimSession session;
  DetectionDevice detection;
  Reports reports{detection};
};

TEST_F(DetectionDeviceTest, EveryModelIsRecognisedFromItsDeviceNameInEitherCase) {
  for (const ModelEntry& model : ModelTable::models()) {
    const VARNEX devType = VARNEX(model.devType);
    session.plugIn(nameOf(devType).toLower());
    session.unplug(nameOf(devType));
    EXPECT_EQ(reports.take(), QStringList({arrival(devType), removal(devType)})) << model.key;
  }
}

TEST_F(DetectionDeviceTest, EachPlugInIsReportedOnceWhateverTheSystemRepeats) {
  // A tablet's interfaces each announce themselves; the second arrival is
  // the same plug-in.
  session.plugIn(nameOf(MyQmlEnum::CFG_LarkA));
  session.plugIn(nameOf(MyQmlEnum::CFG_LarkA));
  EXPECT_EQ(reports.take(), QStringList({arrival(MyQmlEnum::CFG_LarkA)}));
  EXPECT_TRUE(detection.isConnected());

  // Not ours: a keyboard leaving changes nothing.
  session.unplug("HID#VID_046D&PID_C31C&MI_00#7&2f&0&0000");
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_TRUE(detection.isConnected());

  session.unplug(nameOf(MyQmlEnum::CFG_LarkA));
  session.unplug(nameOf(MyQmlEnum::CFG_LarkA));
  EXPECT_EQ(reports.take(), QStringList({removal(MyQmlEnum::CFG_LarkA)}));
  EXPECT_FALSE(detection.isConnected());

  // Plugged back: reported again.
  session.plugIn(nameOf(MyQmlEnum::CFG_LarkA));
  EXPECT_EQ(reports.take(), QStringList({arrival(MyQmlEnum::CFG_LarkA)}));
}

TEST_F(DetectionDeviceTest, ARemovalWithoutAReportedArrivalIsDropped) {
  session.unplug(nameOf(MyQmlEnum::CFG_Fjord4));
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_FALSE(detection.isConnected());
}

TEST_F(DetectionDeviceTest, ScanReportsTheFirstSupportedDeviceOnly) {
  session.plugIn("HID#VID_046D&PID_C31C#keyboard");
  session.plugIn(nameOf(MyQmlEnum::CFG_MesaB));
  session.plugIn(nameOf(MyQmlEnum::CFG_LarkC));
  reports.take();

  detection.scanDevices();
  EXPECT_EQ(reports.take(), QStringList({arrival(MyQmlEnum::CFG_MesaB)}));
  EXPECT_TRUE(detection.isConnected());

  // A scan starts afresh: with nothing of ours left it ends disconnected.
  session.unplug(nameOf(MyQmlEnum::CFG_MesaB));
  session.unplug(nameOf(MyQmlEnum::CFG_LarkC));
  reports.take();
  detection.scanDevices();
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_FALSE(detection.isConnected());
}

TEST_F(DetectionDeviceTest, AFailedEnumerationIsLoggedAndReportsNothing) {
  session.plugIn(nameOf(MyQmlEnum::CFG_LarkA));
  reports.take();
  session.setEnumerationFails(true);
  LogCapture log;
  detection.scanDevices();
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_FALSE(detection.isConnected());
  EXPECT_TRUE(log.contains("NO hid device")) << log.text().toStdString();
}

TEST_F(DetectionDeviceTest, SleepAndWakeAreReportedWithTheirLogLines) {
  LogCapture log;
  session.suspend();
  EXPECT_EQ(reports.take(), QStringList({"state 1"}));
  EXPECT_TRUE(log.contains("=====xiu mian======"));

  // The window shows before the controller scans again.
  session.resume();
  EXPECT_EQ(reports.take(), QStringList({"show", "state 0"}));
  EXPECT_TRUE(log.contains("======huan xing======"));

  session.powerOff();
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_TRUE(log.contains("======system poweroff,reboot or logoff======"));
}

TEST_F(DetectionDeviceTest, TheHandOverShowsAndRaisesTheSettingsWindowOnly) {
  auto raiser = std::make_unique<platform::SimWindowRaiser>();
  platform::SimWindowRaiser* raised = raiser.get();
  platform::WindowRaiser::install(std::move(raiser));

  EXPECT_FALSE(detection.copyData(10085, QByteArray("\1\0\0\0", 4)));
  EXPECT_TRUE(reports.take().isEmpty());
  EXPECT_TRUE(raised->raised().isEmpty());

  EXPECT_TRUE(detection.copyData(10086, QByteArray("\1\0\0\0", 4)));
  EXPECT_EQ(reports.take(), QStringList({"show"}));
  EXPECT_EQ(raised->raised(), QStringList({"Varnex_tablet_driver"}));
  platform::WindowRaiser::install(nullptr);
}

// A watcher whose devices can be made to refuse opening.
class LockedDevicesWatcher : public platform::DeviceWatcher {
 public:
  bool listPresent(QVector<platform::PresentHidDevice>& devices) override {
    devices = present;
    return true;
  }
  bool canOpen(const platform::PresentHidDevice& device) override { return !locked.contains(device.node); }
  QVector<platform::PresentHidDevice> present;
  QStringList locked;
};

TEST(DetectionDeviceScanTest, ATabletThatCannotBeOpenedIsSkippedForTheNextOne) {
  auto* watcher = new LockedDevicesWatcher;
  watcher->present = {{nameOf(MyQmlEnum::CFG_LarkA), "hidraw1"}, {nameOf(MyQmlEnum::CFG_Fjord5), "hidraw2"}};
  watcher->locked = QStringList{"hidraw1"};
  platform::DeviceWatcher::installFactory([watcher] { return std::unique_ptr<platform::DeviceWatcher>(watcher); });
  DetectionDevice detection;
  platform::DeviceWatcher::installFactory(nullptr);
  Reports reports(detection);

  LogCapture log;
  detection.scanDevices();
  EXPECT_EQ(reports.take(), QStringList({arrival(MyQmlEnum::CFG_Fjord5)}));
  EXPECT_TRUE(log.contains("cannot open"));
}

}  // namespace
