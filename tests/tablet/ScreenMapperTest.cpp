#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/CalibrationEdgeCorrection.h"
#include "driver/tablet/ScreenMapper.h"

#include <gtest/gtest.h>

using namespace MyQmlEnum;

namespace {

// A K10PlusV2 as its script leaves it: 260 x 160 mm, desktop 1920 x 1080.
class ScreenMapperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScreenMapper::resetSharedScreens();
    // The settings window's pictures, with the whole of each chosen.
    ConfigFile* settings = ConfigFile::instance();
    settings->setRectSize(DynamicRectScreen, QRect(0, 0, 300, 168));
    settings->setRectSize(MaxVirtualTablet, QRect(0, 0, 260, 160));
    settings->setRectSize(DynamicRectTablet, QRect(0, 0, 260, 160));
    settings->setRotationAngle(0);
    m_mapper.setDesktopRect(QRectF(0, 0, 1920, 1080));
    m_mapper.setTabletRect(QRectF(130, 80, 260, 160));
  }

  QPointF map(double x, double y) {
    m_mapper.map(x, y);
    return QPointF(x, y);
  }

  ScreenMapper m_mapper;
};

}  // namespace

TEST_F(ScreenMapperTest, CornersOfOneFullHdMonitor) {
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  EXPECT_EQ(m_mapper.screenArea(), QRectF(0, 0, 1920, 1080));
  EXPECT_EQ(m_mapper.tabletArea(), QRectF(0, 0, 260, 160));
  // The lower clip keeps the top-left corner one pixel inside.
  const QPointF topLeft = map(0, 0);
  EXPECT_DOUBLE_EQ(topLeft.x(), 1.0 / 1920);
  EXPECT_DOUBLE_EQ(topLeft.y(), 1.0 / 1080);
  EXPECT_EQ(map(260, 160), QPointF(1, 1));
  EXPECT_EQ(map(1000, 1000), QPointF(1, 1));
  EXPECT_EQ(map(-5, -5), topLeft);
  EXPECT_EQ(map(130, 80), QPointF(0.5, 0.5));
  EXPECT_EQ(m_mapper.lastInput(), QPointF(130, 80));
}

TEST_F(ScreenMapperTest, UserRectanglesPickPartsOfTabletAndScreen) {
  ConfigFile* settings = ConfigFile::instance();
  settings->setRectSize(DynamicRectTablet, QRect(0, 0, 130, 80));     // top-left quarter of the tablet
  settings->setRectSize(DynamicRectScreen, QRect(150, 84, 150, 84));  // bottom-right quarter of the screen
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  EXPECT_EQ(m_mapper.tabletArea(), QRectF(0, 0, 130, 80));
  EXPECT_EQ(m_mapper.screenArea(), QRectF(960, 540, 960, 540));
  EXPECT_EQ(map(130, 80), QPointF(1, 1));
  EXPECT_EQ(map(0, 0), QPointF(961.0 / 1920, 541.0 / 1080));
  EXPECT_EQ(m_mapper.screenSelectionShare(), QRectF(0.5, 0.5, 0.5, 0.5));
}

TEST_F(ScreenMapperTest, MonitorLeftOfThePrimaryStartsTheDesktopAtZero) {
  // The primary monitor is chosen, the other one is left of it.
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(-1920, 0, 3840, 1080));
  EXPECT_EQ(ScreenMapper::selectedScreen(), QRect(1920, 0, 1920, 1080));
  EXPECT_EQ(m_mapper.screenArea(), QRectF(960, 0, 960, 1080));
  EXPECT_DOUBLE_EQ(map(0, 0).x(), 961.0 / 1920);
  EXPECT_DOUBLE_EQ(map(260, 160).x(), 1.0);

  // Without rectangles the monitor chosen before stays.
  m_mapper.setMapperArea();
  EXPECT_EQ(m_mapper.screenArea(), QRectF(960, 0, 960, 1080));
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080));
  EXPECT_EQ(m_mapper.screenArea(), QRectF(960, 0, 960, 1080));

  // A new mapper (the next tablet) starts on it too.
  ScreenMapper next;
  next.setDesktopRect(QRectF(0, 0, 1920, 1080));
  next.setTabletRect(QRectF(0, 0, 100, 100));
  next.setMapperArea();
  EXPECT_EQ(next.screenArea(), QRectF(960, 0, 960, 1080));

  // The left monitor itself.
  m_mapper.setMapperArea(QRect(-1920, 0, 1920, 1080), QRect(-1920, 0, 3840, 1080));
  EXPECT_EQ(m_mapper.screenArea(), QRectF(0, 0, 960, 1080));
  // The last clamp's upper bound is the desktop's edge, not the monitor's.
  EXPECT_DOUBLE_EQ(map(260, 160).x(), 0.5);
}

TEST_F(ScreenMapperTest, AFrameOfOneMonitorPastTheFirstIsMappedFromItsOwnEdge) {
  // Plasma spreads a pinned pen over its monitor alone, here the second of
  // two, so the pen's fractions are of that monitor.
  const QRect second(1024, 0, 1280, 1024);
  m_mapper.setMapperArea(second, second);
  EXPECT_EQ(m_mapper.screenArea(), QRectF(0, 0, 1920, 1080));
  EXPECT_EQ(map(260, 160), QPointF(1, 1));
  EXPECT_EQ(map(130, 80), QPointF(0.5, 0.5));
  // A pen display's calibration corrects pixels of that same monitor.
  EXPECT_EQ(m_mapper.calibrationScreen(), second);
}

TEST_F(ScreenMapperTest, RotationTurnsTheSurfaceAndUnknownAnglesDoNothing) {
  m_mapper.setTabletRect(QRectF(0, 0, 260, 160));
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  const QPointF unrotatedFar = map(260, 160);
  const QPointF unrotatedNear = map(60, 40);
  m_mapper.setRotationAngle(180);
  EXPECT_EQ(map(0, 0), unrotatedFar);
  EXPECT_EQ(map(200, 120), unrotatedNear);
  m_mapper.setRotationAngle(45);
  EXPECT_EQ(map(60, 40), unrotatedNear);
  m_mapper.setRotationAngle(90);
  // Turned a quarter: the surface's left edge is the screen's top edge.
  const QPointF quarter = map(0, 160);
  EXPECT_DOUBLE_EQ(quarter.x(), 1.0 / 1920);
  EXPECT_DOUBLE_EQ(quarter.y(), 1.0 / 1080);
  m_mapper.setRotationAngle(270);
  EXPECT_EQ(map(260, 0), quarter);
}

TEST_F(ScreenMapperTest, CalibrationOnlyCorrectsPenDisplays) {
  m_mapper.setTabletRect(QRectF(0, 0, 260, 160));
  m_mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  const QRect screen = m_mapper.calibrationScreen();
  ASSERT_GT(screen.width(), 0) << "the offscreen platform has a primary screen";
  CalibrationCalculationPoint shift;
  shift.a = 1;
  shift.e = 1;
  shift.c = screen.width() * 0.1;  // a tenth of the screen to the right
  shift.valid = true;
  m_mapper.setCalibration(shift);

  m_mapper.setDeviceType(CFG_LarkA);
  EXPECT_EQ(map(130, 80), QPointF(0.5, 0.5));

  ScreenMapper display;
  display.setDesktopRect(QRectF(0, 0, 1920, 1080));
  display.setTabletRect(QRectF(0, 0, 260, 160));
  display.setMapperArea();
  display.setDeviceType(CFG_Fjord4);
  display.setCalibration(shift);
  double x = 130, y = 80;
  display.map(x, y);
  EXPECT_NEAR(x, 0.6, 1e-12);
  EXPECT_NEAR(y, 0.5, 1e-12);
  // Pushed past the right edge, the clamp holds it at 1.
  x = 259;
  y = 80;
  display.map(x, y);
  EXPECT_DOUBLE_EQ(x, 1.0);

  shift.valid = false;
  display.setCalibration(shift);
  x = 130;
  y = 80;
  display.map(x, y);
  EXPECT_DOUBLE_EQ(x, 0.5);

  // The stored calibration of the rotation comes with the device type and
  // with every rotation change.
  shift.valid = true;
  ConfigFile::instance()->setCalibrationPointInfo(0, shift);
  ScreenMapper next;
  next.setDeviceType(CFG_Fjord3);
  EXPECT_TRUE(next.calibration().valid);
  EXPECT_NEAR(next.calibration().c, shift.c, 1e-3);
  next.setRotationAngle(90);
  EXPECT_FALSE(next.calibration().valid);
  next.setRotationAngle(0);
  EXPECT_TRUE(next.calibration().valid);
  ScreenMapper tablet;
  tablet.setDeviceType(CFG_MesaA);
  EXPECT_FALSE(tablet.calibration().valid);
}

TEST_F(ScreenMapperTest, NoAreaYetGivesAPositionNotGarbage) {
  ScreenMapper fresh;
  fresh.setDesktopRect(QRectF(0, 0, 1920, 1080));
  double x = 10, y = 10;
  fresh.map(x, y);
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
}

TEST(CalibrationEdgeCorrection, PullsBackNearTheEdgesByRotation) {
  const QRectF area(0, 0, 100, 100);
  double nx = 0.5, ny = 0.5;
  applyCalibrationEdgeCorrection(nx, ny, 2, 50, area, 0);  // u = 0.02
  EXPECT_NEAR(nx, 0.5 - 0.004, 1e-12);
  EXPECT_DOUBLE_EQ(ny, 0.5);

  nx = 0.5;
  ny = 0.5;
  applyCalibrationEdgeCorrection(nx, ny, 98, 50, area, 0);  // u = 0.98, v inside
  EXPECT_NEAR(nx, 0.504, 1e-12);
  EXPECT_NEAR(ny, 0.496, 1e-12);

  nx = 0.5;
  ny = 0.5;
  applyCalibrationEdgeCorrection(nx, ny, 50, 2, area, 90);  // v = 0.02, gain 0.06
  EXPECT_NEAR(nx, 0.5 + 0.04 * 0.06, 1e-12);

  nx = 0.5;
  ny = 0.5;
  applyCalibrationEdgeCorrection(nx, ny, 1, 1, area, 45);
  EXPECT_EQ(QPointF(nx, ny), QPointF(0.5, 0.5));
}
