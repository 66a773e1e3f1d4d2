#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ScreenMapper.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// The window changes the curve, the mode, the speed and Windows Ink while the
// device thread sends reports; every report must still be well-formed.
TEST(VMultiDigitizerThreads, SettersRaceNothingWithThePenPath) {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  auto recorder = platform::VirtualPen::installRecorder();
  auto mapper = std::make_shared<ScreenMapper>();
  mapper->setDesktopRect(QRectF(0, 0, 1920, 1080));
  mapper->setTabletRect(QRectF(0, 0, 100, 100));
  VMulti link(2);
  ASSERT_TRUE(link.isOpen());
  VMultiDigitizer digitizer(&link, mapper, 13000);

  std::atomic<bool> stop{false};
  std::thread device([&] {
    PenState pen;
    pen.valid = true;
    for (int i = 0; !stop; ++i) {
      pen.status = (i % 4) ? 0xA1 : 0xA0;
      pen.code = (i % 4) ? 3 : 2;
      pen.x = i % 100;
      pen.y = i % 100;
      pen.pressure = (i % 10) / 10.0;
      digitizer.sendPen(pen);
    }
  });
  for (int i = 0; i < 2000; ++i) {
    digitizer.setPressureCurvePoint(QPointF(1, 1), QPointF(i % 2, 0.5), QPointF(0, 0));
    digitizer.setRelativeModel(i % 3 == 0);
    if (i % 200 == 0) digitizer.setMouseRate((i % 10) / 10.0);
    digitizer.setWinLnk(i % 2);
    mapper->setMapperArea();
  }
  stop = true;
  device.join();

  for (const QByteArray& report : recorder->penReports()) {
    ASSERT_EQ(report.size(), 12);
    const int pressure = uint8_t(report[8]) | uint8_t(report[9]) << 8;
    EXPECT_LE(pressure, 2047);
  }
  platform::VirtualPen::uninstall();
}
