// The device loop against the window thread: these run under ThreadSanitizer.

#include "../DeviceRig.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ScreenMapper.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <atomic>
#include <thread>

namespace {

TEST(DevOperateThreadThreaded, LoopAtFullSpeedWhileTheWindowCallsEverySetter) {
  DeviceRig rig(MyQmlEnum::CFG_Fjord2Pro);
  DevOperateThread thread;
  std::atomic<int> pressureSignals{0};
  QObject::connect(&thread, &DevOperateThread::s_pressureValue, &thread, [&] { ++pressureSignals; },
                   Qt::DirectConnection);
  ASSERT_TRUE(rig.start(thread));

  // The tablet sends as fast as the loop takes: strokes with a key press now
  // and then, which runs a key function on the worker.
  std::atomic<bool> stop{false};
  std::thread tablet([&] {
    const QByteArray hover = rig.hover(5000, 4000);
    const QByteArray down = rig.hover(12000, 7000, 0x0800, 0xA1);
    const QByteArray keyDown = QByteArray::fromHex("02F0010000000000");
    const QByteArray keyUp = QByteArray::fromHex("02F0000000000000");
    for (int i = 0; !stop; ++i) {
      if (rig.tablet->pendingInput() > 64) {
        std::this_thread::yield();
        continue;
      }
      rig.tablet->pushInput(i % 2 ? down : hover);
      if (i % 200 == 0) {
        rig.tablet->pushInput(keyDown);
        rig.tablet->pushInput(keyUp);
      }
    }
  });

  QRect screen(0, 0, 1920, 1080);
  QRect left(-1920, 0, 1920, 1080);
  QRect all(-1920, 0, 3840, 1080);
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; timer.elapsed() < 700; ++i) {
    thread.setWinLnk(i % 2);
    thread.setPressureCurvePoint(QPointF(1, 1), QPointF(0.3 + (i % 5) / 10.0, 0.5), QPointF(0, 0));
    thread.setMapperArea(i % 2 ? screen : left, i % 2 ? screen : all);
    thread.setMapperArea(screen);
    thread.setMapperArea();
    thread.setRotationAngle((i % 4) * 90);
    thread.setRelativeModel(i % 3 == 0);
    thread.setMouseRate((i % 10) / 10.0);
    thread.setHideHint(i % 2);
    thread.moveHintTextPos(screen);
    EXPECT_DOUBLE_EQ(thread.getTableSize(MyQmlEnum::Width), 268.76);
    thread.calculateCalibrationPointScreenPos(screen);
    for (int id = 0; id < 5; ++id) thread.onClickCalibrationPoint(id);
    thread.setDefalutCalibration();
    QCoreApplication::processEvents();
  }
  stop = true;
  tablet.join();
  thread.endReadingDev();
  EXPECT_GT(pressureSignals.load(), 100);
  EXPECT_FALSE(thread.isRunning());
}

TEST(DevOperateThreadThreaded, StartAndStopAHundredTimes) {
  DeviceRig rig(MyQmlEnum::CFG_VarnexK10PlusV2);
  DevOperateThread thread;
  size_t pens = 0;
  for (int round = 0; round < 100; ++round) {
    ASSERT_TRUE(rig.start(thread)) << round;
    // Every other round draws (the first report dropped, the second sent);
    // the others stop at once, maybe before the worker even reads.
    if (round % 2) {
      rig.tablet->pushInput(rig.hover(100, 100));
      rig.tablet->pushInput(rig.hover(200, 100));
      ASSERT_TRUE(rig.settle()) << round;
      ++pens;
    }
    thread.endReadingDev();
    ASSERT_FALSE(thread.isRunning()) << round;
    ASSERT_EQ(rig.tablet->openConnections(), 0) << round;
    ASSERT_EQ(rig.penReports(), pens) << round;
  }
}

TEST(DevOperateThreadThreaded, StopWhileTheReadIsBlockedEndsTheLoopFirst) {
  DeviceRig rig(MyQmlEnum::CFG_Fjord4Pro);
  for (int round = 0; round < 20; ++round) {
    DevOperateThread thread;
    QSignalSpy finished(&thread, &QThread::finished);
    ASSERT_TRUE(rig.start(thread));
    ASSERT_TRUE(rig.tablet->waitForBlockedReads(1, 5000));
    QElapsedTimer timer;
    timer.start();
    thread.endReadingDev();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(rig.tablet->openConnections(), 0);
    // The delayed second init report of this model must not outlive the tablet.
    QThread::msleep(round == 0 ? 200 : 0);
    QCoreApplication::processEvents();
  }
}

}  // namespace
