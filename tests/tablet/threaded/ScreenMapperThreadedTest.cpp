#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ScreenMapper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// The window thread swaps the calibration and the areas while the device
// thread maps: every mapped position must come from one whole set.
TEST(ScreenMapperThreads, MapsWithOneWholeSetWhileTheWindowChangesIt) {
  ConfigFile* settings = ConfigFile::instance();
  settings->setRectSize(MyQmlEnum::DynamicRectScreen, QRect(0, 0, 300, 168));
  settings->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 100, 100));
  settings->setRectSize(MyQmlEnum::DynamicRectTablet, QRect(0, 0, 100, 100));
  ScreenMapper mapper;
  mapper.setDesktopRect(QRectF(0, 0, 1920, 1080));
  mapper.setTabletRect(QRectF(0, 0, 100, 100));
  mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  mapper.setDeviceType(MyQmlEnum::CFG_Fjord4);
  const QRect screen = mapper.calibrationScreen();
  ASSERT_GT(screen.width(), 0);

  CalibrationCalculationPoint identity;
  identity.a = 1;
  identity.e = 1;
  identity.valid = true;
  CalibrationCalculationPoint shifted = identity;
  shifted.c = screen.width() * 0.1;
  shifted.f = screen.height() * 0.1;

  std::atomic<bool> stop{false};
  std::atomic<int> mixed{0};
  std::thread device([&] {
    while (!stop) {
      double x = 50, y = 50;
      mapper.map(x, y);
      const bool plain = std::abs(x - 0.5) < 1e-9 && std::abs(y - 0.5) < 1e-9;
      const bool moved = std::abs(x - 0.6) < 1e-9 && std::abs(y - 0.6) < 1e-9;
      if (!plain && !moved) ++mixed;
    }
  });
  for (int i = 0; i < 2000; ++i) {
    mapper.setCalibration(i % 2 ? shifted : identity);
    mapper.setMapperArea();
    mapper.setRotationAngle(0);
  }
  stop = true;
  device.join();
  EXPECT_EQ(mixed, 0);
}
