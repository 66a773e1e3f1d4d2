#include "DeviceRig.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/keys/HintWidget.h"
#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/CalibrationPoint.h"
#include "driver/tablet/CalibrationWidget.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"

#include <gtest/gtest.h>

#include <QSemaphore>
#include <QTextBlock>
#include <QTextDocument>
#include <QSignalSpy>
#include <QTest>
#include <thread>

#include <signal.h>

namespace {

using MyQmlEnum::CFG_Fjord2Pro;
using MyQmlEnum::CFG_MesaB;
using MyQmlEnum::CFG_VarnexK10PlusV2;

TEST(DevOperateThread, VirtualPenAbsentAsksOnceAndConfirmingLeavesItStopped) {
  DeviceRig rig(CFG_VarnexK10PlusV2, false);
  DevOperateThread thread;
  QSignalSpy shown(&thread, &DevOperateThread::showTabletDriver);
  EXPECT_FALSE(rig.start(thread));
  EXPECT_EQ(rig.prompts, 1);
  EXPECT_EQ(shown.count(), 1);
  EXPECT_FALSE(thread.isRunning());
  EXPECT_EQ(thread.tablet(), nullptr);
  EXPECT_EQ(rig.lastPrompt.text, QStringLiteral("  打开虚拟设备失败           "));
  const QString link = ConfigFile::instance()->getUrl(MyQmlEnum::EopenVirtualDevError);
  ASSERT_FALSE(link.isEmpty());
  // The link must lead to the page itself, with no stray quote in the address.
  QTextDocument box;
  box.setHtml(rig.lastPrompt.informativeText);
  const QTextBlock block = box.firstBlock();
  ASSERT_FALSE(block.begin().atEnd());
  EXPECT_EQ(block.begin().fragment().charFormat().anchorHref(), link);
  EXPECT_EQ(block.text(), QStringLiteral("点击查看详细解决方法"));
}

TEST(DevOperateThread, VirtualPenAbsentAndBoxDismissedRunsWithoutPen) {
  DeviceRig rig(CFG_VarnexK10PlusV2, false);
  rig.promptAnswer = PromptService::Answer::Cancel;
  DevOperateThread thread;
  QSignalSpy penInfo(&thread, &DevOperateThread::s_penInfo);
  ASSERT_TRUE(rig.start(thread));
  EXPECT_EQ(rig.prompts, 1);
  EXPECT_FALSE(thread.digitizerLink()->isOpen());
  rig.tablet->pushInput(rig.hover(100, 100));
  rig.tablet->pushInput(rig.hover(200, 100));
  ASSERT_TRUE(rig.settle());
  // The report is decoded and announced; its write goes nowhere.
  EXPECT_TRUE(waitUntil([&] { return penInfo.count() == 1; }));
  thread.endReadingDev();
}

TEST(DevOperateThread, FirstReportAfterEveryStartIsDropped) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  QSignalSpy penInfo(&thread, &DevOperateThread::s_penInfo);
  for (int round = 0; round < 2; ++round) {
    rig.pen->clear();
    penInfo.clear();
    ASSERT_TRUE(rig.start(thread));
    rig.tablet->pushInput(rig.hover(1000, 1000));
    rig.tablet->pushInput(rig.hover(2000, 1500, 0x0FFF, 0xA1));
    ASSERT_TRUE(rig.settle());
    ASSERT_EQ(rig.penReports(), 1u) << round;
    EXPECT_EQ(uint8_t(rig.pen->penReports()[0][3]), 0x21);  // tip down: the second report
    ASSERT_TRUE(waitUntil([&] { return penInfo.count() == 1; }));
    EXPECT_EQ(penInfo.at(0).at(0).toInt(), 2000);
    EXPECT_EQ(penInfo.at(0).at(1).toInt(), 1500);
    EXPECT_EQ(penInfo.at(0).at(4).toInt(), 0x0FFF);
    thread.endReadingDev();
  }
}

TEST(DevOperateThread, StartSendsInitAndModeReportsAndSizesComeFromTheScript) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  EXPECT_EQ(thread.getTableSize(MyQmlEnum::Width), 0.0);
  ASSERT_TRUE(rig.start(thread));
  EXPECT_DOUBLE_EQ(thread.getTableSize(MyQmlEnum::Width), 260.0);
  EXPECT_DOUBLE_EQ(thread.getTableSize(MyQmlEnum::Height), 160.0);
  EXPECT_EQ(thread.getTableSize(MyQmlEnum::X), 0.0);
  const auto init = rig.tablet->outputReports();
  ASSERT_EQ(init.size(), 1u);
  EXPECT_EQ(init[0].toHex(), QByteArray("02b004000000000000"));
  // Windows Ink is on unless the settings say otherwise.
  ASSERT_EQ(rig.pen->modeReports().size(), 1u);
  EXPECT_EQ(rig.pen->modeReports()[0].left(3).toHex(), QByteArray("410100"));
  thread.endReadingDev();
  EXPECT_EQ(thread.getTableSize(MyQmlEnum::Width), 0.0);
}

TEST(DevOperateThread, MesaBWithFirmware115ReportsTheWiderRange) {
  DeviceRig rig(CFG_MesaB);
  QObject firmware;
  DevOperateThread thread;
  firmware.setProperty("firmwareVer", QStringLiteral("1.14"));
  ASSERT_TRUE(rig.start(thread, &firmware));
  EXPECT_EQ(thread.tablet()->settings.maxX, rig.model.maxX);
  thread.endReadingDev();

  firmware.setProperty("firmwareVer", QStringLiteral("1.15"));
  ASSERT_TRUE(rig.start(thread, &firmware));
  EXPECT_EQ(thread.tablet()->settings.maxX, 28800);
  EXPECT_EQ(thread.tablet()->settings.maxY, 16200);
  thread.endReadingDev();
}

TEST(DevOperateThread, SlotsWhileStoppedDoNothing) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  QRect rect(0, 0, 1920, 1080);
  for (int pass = 0; pass < 2; ++pass) {
    thread.setWinLnk(false);
    thread.setPressureCurvePoint(QPointF(1, 1), QPointF(0.5, 0.5), QPointF(0, 0));
    thread.setMapperArea(rect, rect);
    thread.setMapperArea(rect);
    thread.setMapperArea();
    thread.setRotationAngle(90);
    thread.setRelativeModel(true);
    thread.setMouseRate(0.2);
    thread.onClickCalibrationPoint(0);
    thread.calculateCalibrationPointScreenPos(rect);
    thread.setDefalutCalibration();
    EXPECT_EQ(thread.getTableSize(0), 0.0);
    // Once started and stopped, the same calls still find nothing to change.
    ASSERT_TRUE(rig.start(thread));
    thread.endReadingDev();
  }
  EXPECT_EQ(rig.prompts, 0);
  EXPECT_EQ(rig.pen->modeReports().size(), 2u);  // only the two starts sent one
}

TEST(DevOperateThread, StopWhileReadBlockedReturnsPromptlyAndReleasesEverything) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  ASSERT_TRUE(rig.tablet->waitForBlockedReads(1, 5000));
  EXPECT_EQ(rig.tablet->openConnections(), 1);
  QElapsedTimer timer;
  timer.start();
  thread.endReadingDev();
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_TRUE(thread.isFinished());
  EXPECT_EQ(rig.tablet->openConnections(), 0);
  EXPECT_EQ(thread.tablet(), nullptr);
  EXPECT_EQ(thread.screenMapper(), nullptr);
  EXPECT_EQ(thread.digitizer(), nullptr);
  EXPECT_EQ(thread.digitizerLink(), nullptr);
  EXPECT_EQ(thread.controlLink(), nullptr);
  ASSERT_NE(thread.hintWidget(), nullptr);  // the popup stays for the next tablet
}

TEST(DevOperateThread, UnpluggedTabletEndsTheLoopInsteadOfSpinning) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  ASSERT_TRUE(rig.tablet->waitForBlockedReads(1, 5000));
  rig.tablet->unplug();
  EXPECT_TRUE(thread.wait(2000));
  EXPECT_TRUE(thread.isFinished());
  // Removal then stops the rest as usual.
  thread.endReadingDev();
  EXPECT_EQ(thread.tablet(), nullptr);
}

TEST(DevOperateThread, UnplugWithAPenButtonDownLetsGoOfWhatItHeld) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  ConfigFile::instance()->setDeviceConfig(rig.model.key, rig.model.devType);
  ConfigFile::instance()->setShortcutkeyEnum(MyQmlEnum::PenUpKey, MyQmlEnum::ERightMouseButton);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  rig.tablet->pushInput(rig.hover(1000, 1000));          // dropped, first after the start
  rig.tablet->pushInput(rig.hover(1000, 1000, 0, 0xA4));  // upper pen button goes down
  ASSERT_TRUE(rig.settle());
  ASSERT_TRUE(rig.input->texts().contains("right down"));

  // The cable comes out before the button is let go: no report will ever
  // bring its release, so the stop must.
  rig.tablet->unplug();
  EXPECT_TRUE(thread.wait(2000));
  thread.endReadingDev();
  const QStringList events = rig.input->texts();
  ASSERT_FALSE(events.isEmpty());
  EXPECT_EQ(events.last(), "right up");
  EXPECT_EQ(events.count("right up"), 1);
}

TEST(DevOperateThread, UnplugInTheMiddleOfAStrokeLiftsThePen) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  rig.tablet->pushInput(rig.hover(1000, 1000));               // dropped, first after the start
  rig.tablet->pushInput(rig.hover(1000, 1000, 4000, 0xA1));  // tip down, pressing
  ASSERT_TRUE(rig.settle());
  ASSERT_GE(rig.penReports(), 1u);
  ASSERT_EQ(uint8_t(rig.pen->penReports().back()[3]), 0x21);

  // No report will ever bring the tip up; the stop must, or the desktop
  // keeps drawing a stroke with nobody holding the pen.
  rig.tablet->unplug();
  EXPECT_TRUE(thread.wait(2000));
  thread.endReadingDev();
  const QByteArray last = rig.pen->penReports().back();
  EXPECT_EQ(uint8_t(last[3]), 0x00);  // out of range
  EXPECT_EQ(uint8_t(last[8]) | uint8_t(last[9]) << 8, 0);
}

TEST(DevOperateThread, SecondStartKeepsTheAreasReachingThePen) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  VMulti* link = thread.digitizerLink();
  ASSERT_TRUE(rig.start(thread));
  EXPECT_EQ(thread.digitizerLink(), link);
  EXPECT_TRUE(thread.isRunning());
  // The script made a new mapper; the digitizer must map with that one, or
  // the window's later changes of the areas would never reach the pen.
  EXPECT_EQ(thread.digitizer()->screenMapper().get(), thread.screenMapper());
  thread.endReadingDev();
}

TEST(DevOperateThread, ThePenLandsOnTheLastChosenMonitorBeforeTheWindowNamesOne) {
  ScreenMapper::resetSharedScreens();
  DeviceRig rig(CFG_VarnexK10PlusV2);
  // The stored areas: the whole tablet onto the whole screen.
  for (int rect : {MyQmlEnum::MaxVirtualTablet, MyQmlEnum::DynamicRectTablet, MyQmlEnum::MaxVirtualScreen,
                   MyQmlEnum::DynamicRectScreen})
    ConfigFile::instance()->setRectSize(rect, QRect(0, 0, 300, 168));
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  rig.tablet->pushInput(rig.hover(1000, 1000));  // dropped, first after the start
  rig.tablet->pushInput(rig.hover(rig.model.maxX / 2, rig.model.maxY / 2));
  ASSERT_TRUE(rig.settle());
  ASSERT_GE(rig.penReports(), 1u);
  const QByteArray last = rig.pen->penReports().back();
  const int x = uint8_t(last[4]) | uint8_t(last[5]) << 8;
  const int y = uint8_t(last[6]) | uint8_t(last[7]) << 8;
  EXPECT_NEAR(x, 32767 / 2, 400);
  EXPECT_NEAR(y, 32767 / 2, 400);
  thread.endReadingDev();
}

// A virtual pen that holds the worker inside its first pen report until
// released, so that a stop finds the worker busy rather than in a read.
class HoldingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override {
    ++reports;
    if (reports == 1) {
      entered.release();
      release.acquire();
    }
    return true;
  }
  bool modeReport(const uint8_t*, int) override { return true; }
  std::atomic<int> reports{0};
  QSemaphore entered;
  QSemaphore release;
};

// Starts the device thread with `pen` as the virtual pen and moves the pen
// twice (the first report after a start only finds where the pen is).
void startAndHoverTwice(DeviceRig& rig, DevOperateThread& thread, const std::shared_ptr<platform::PenOutput>& pen) {
  platform::VirtualPen::install(pen);
  ASSERT_TRUE(rig.start(thread));
  rig.tablet->pushInput(rig.hover(100, 100));
  rig.tablet->pushInput(rig.hover(200, 100));
}

TEST(DevOperateThread, AStopThatFindsTheWorkerBusyStillDropsTheNextFirstReport) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  auto pen = std::make_shared<HoldingPen>();
  DevOperateThread thread;
  ASSERT_NO_FATAL_FAILURE(startAndHoverTwice(rig, thread, pen));
  ASSERT_TRUE(pen->entered.tryAcquire(1, 5000));
  // The stop's cancel finds no read in flight; the worker ends at its next
  // look at the stop request, and nothing is left to end a later read.
  std::thread releaser([&] {
    QThread::msleep(50);
    pen->release.release();
  });
  ASSERT_TRUE(rig.start(thread));
  releaser.join();
  rig.tablet->pushInput(rig.hover(300, 100));
  rig.tablet->pushInput(rig.hover(400, 100));
  ASSERT_TRUE(rig.settle());
  EXPECT_EQ(pen->reports, 2);
  thread.endReadingDev();
}

// A stack overflow on the device thread must still leave a crash dump, which
// needs a signal stack of the thread's own.
class StackCheckingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override {
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0) signalStack = !(current.ss_flags & SS_DISABLE);
    reported.release();
    return true;
  }
  bool modeReport(const uint8_t*, int) override { return true; }
  std::atomic<bool> signalStack{false};
  QSemaphore reported;
};

TEST(DevOperateThread, TheWorkerHasASignalStackOfItsOwn) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  auto pen = std::make_shared<StackCheckingPen>();
  DevOperateThread thread;
  ASSERT_NO_FATAL_FAILURE(startAndHoverTwice(rig, thread, pen));
  ASSERT_TRUE(pen->reported.tryAcquire(1, 5000));
  EXPECT_TRUE(pen->signalStack);
  thread.endReadingDev();
}

TEST(DevOperateThread, KeyFunctionsReachTheWindowThread) {
  DeviceRig rig(CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  QSignalSpy shown(&thread, &DevOperateThread::showTabletDriver);
  emit thread.tablet()->showTabletDriver();
  EXPECT_EQ(shown.count(), 1);
  QSignalSpy centre(&thread, &DevOperateThread::swiveCenterKey);
  emit thread.tablet()->swiveCenterKey(true);
  ASSERT_EQ(centre.count(), 1);
  EXPECT_TRUE(centre.at(0).at(0).toBool());
  thread.setHideHint(false);
  emit thread.tablet()->functionHint(QStringLiteral("撤销"));
  EXPECT_EQ(thread.hintWidget()->text(), QStringLiteral("撤销"));
  thread.endReadingDev();
}

TEST(DevOperateThread, CalibrationTapRecordsTheLastPenPosition) {
  DeviceRig rig(CFG_Fjord2Pro);
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  QRect display(0, 0, 1920, 1080);
  thread.calculateCalibrationPointScreenPos(display);
  EXPECT_FALSE(thread.screenMapper()->calibration().valid);
  rig.tablet->pushInput(rig.hover(0, 0));  // dropped
  rig.tablet->pushInput(rig.hover(rig.model.maxX / 2, rig.model.maxY / 4));
  ASSERT_TRUE(rig.settle());
  thread.onClickCalibrationPoint(2);
  const QPointF sample = thread.screenMapper()->calibrationSession().sample(2);
  EXPECT_NEAR(sample.x(), 268.76 / 2, 0.01);
  EXPECT_NEAR(sample.y(), 151.15 / 4, 0.01);
  thread.endReadingDev();
}

TEST(DevOperateThread, CalibratingAPenDisplayThroughTheWindow) {
  DeviceRig rig(CFG_Fjord2Pro);
  ConfigFile::instance()->setRotationAngle(0);
  ConfigFile::instance()->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  QRect desktop(0, 0, 1920, 1080);
  thread.setMapperArea(desktop, desktop);
  QRect display = thread.screenMapper()->calibrationScreen();

  // As the controller wires it: the window covers the display, each tap on a
  // target records where the pen is.
  CalibrationWidget window;
  QObject::connect(&window, &CalibrationWidget::s_clickCalibration, &thread,
                   &DevOperateThread::onClickCalibrationPoint);
  window.setGeometry(display);
  window.show();
  thread.calculateCalibrationPointScreenPos(display);
  window.startCalibration();
  rig.tablet->pushInput(rig.hover(0, 0));  // the dropped first report

  // This pen touches 8 pixels left of where it aims.
  for (int i = 0; i < 5; ++i) {
    const QPoint aim = window.target()->pos() + QPoint(60, 60) + display.topLeft() + QPoint(-8, 0);
    const int rawX = int((aim.x() - display.x() + 0.5) / display.width() * rig.model.maxX);
    const int rawY = int((aim.y() - display.y() + 0.5) / display.height() * rig.model.maxY);
    rig.tablet->pushInput(rig.hover(rawX, rawY));
    ASSERT_TRUE(rig.settle());
    QTest::mouseClick(window.target(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
  }
  const CalibrationCalculationPoint fitted = thread.screenMapper()->calibration();
  ASSERT_TRUE(fitted.valid);
  EXPECT_NEAR(fitted.c, 8.0, 1.5);
  EXPECT_NEAR(fitted.a, 1.0, 0.01);
  CalibrationCalculationPoint stored;
  ConfigFile::instance()->getCalibrationPointInfo(0, stored);
  EXPECT_TRUE(stored.valid);
  EXPECT_NEAR(stored.c, fitted.c, 1e-3);
  thread.endReadingDev();
}

// Every model opens, takes its init report and drives the virtual pen.
class EveryModel : public testing::TestWithParam<int> {};

TEST_P(EveryModel, DrivesTheVirtualPen) {
  DeviceRig rig(GetParam());
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread)) << rig.model.key;
  // What the window does after a start: its tablet picture, then the areas.
  ConfigFile::instance()->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));
  QRect screen(0, 0, 1920, 1080);
  thread.setMapperArea(screen, screen);
  EXPECT_GE(rig.tablet->outputReports().size(), 1u);
  rig.tablet->pushInput(rig.hover(0, 0));
  rig.tablet->pushInput(rig.hover(rig.model.maxX / 2, rig.model.maxY / 2));
  ASSERT_TRUE(rig.settle());
  ASSERT_EQ(rig.penReports(), 1u);
  const QByteArray report = rig.pen->penReports()[0];
  EXPECT_EQ(uint8_t(report[0]), 0x40);
  EXPECT_EQ(uint8_t(report[3]), 0x20);  // in range, tip up
  const int x = uint8_t(report[4]) | uint8_t(report[5]) << 8;
  const int y = uint8_t(report[6]) | uint8_t(report[7]) << 8;
  EXPECT_NEAR(x, 16384, 600) << rig.model.key;
  EXPECT_NEAR(y, 16384, 600) << rig.model.key;
  thread.endReadingDev();
}

std::vector<int> allModels() {
  std::vector<int> types;
  for (const ModelEntry& model : ModelTable::models()) types.push_back(model.devType);
  return types;
}

INSTANTIATE_TEST_SUITE_P(DevOperateThread, EveryModel, testing::ValuesIn(allModels()),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(ModelTable::byDevType(info.param)->key);
                         });

}  // namespace
