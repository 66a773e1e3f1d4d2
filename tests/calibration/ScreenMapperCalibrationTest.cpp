#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ScreenMapper.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace {

// A pen display of 192 × 108 mm over a 1920 × 1080 desktop: 10 pixels of the
// reference desktop per millimetre. The calibration works on the primary
// screen's real pixels, whatever size the platform gives it.
class MapperCalibration : public testing::Test {
 protected:
  void SetUp() override {
    config->setDeviceConfig(QStringLiteral("CalibrationTest"), MyQmlEnum::CFG_Fjord2Pro);
    for (int angle : {0, 90, 180, 270}) config->setCalibrationPointInfo(angle, CalibrationCalculationPoint());
    config->setRotationAngle(0);
    config->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));
    mapper.setDesktopRect(QRectF(0, 0, 1920, 1080));
    mapper.setTabletRect(QRectF(0, 0, 192, 108));
    mapper.setDeviceType(MyQmlEnum::CFG_Fjord2Pro);
    const QRect desktop(0, 0, 1920, 1080);
    mapper.setMapperArea(desktop, desktop);
    screen = mapper.calibrationScreen();
    ASSERT_FALSE(screen.isEmpty());
  }

  // The millimetres at which the plain mapping draws the cursor on pixel p
  // (the middle of the pixel, so that truncation lands on it).
  QPointF millimetresOf(const QPoint& p) const {
    return QPointF(192.0 * (p.x() - screen.x() + 0.5) / screen.width(),
                   108.0 * (p.y() - screen.y() + 0.5) / screen.height());
  }

  QPointF pixelOf(QPointF mm) {
    double x = mm.x();
    double y = mm.y();
    mapper.map(x, y);
    return QPointF(screen.x() + x * screen.width(), screen.y() + y * screen.height());
  }

  ConfigFile* config = ConfigFile::instance();
  ScreenMapper mapper;
  QRect screen;
};

TEST_F(MapperCalibration, APenThatLandsOffTargetIsPulledOntoIt) {
  mapper.calculateCalibrationPointScreenPos(screen);
  EXPECT_FALSE(mapper.calibration().valid);
  const auto targets = mapper.calibrationSession().targets();
  // This pen draws 12 pixels right of and 5 pixels above where it touches.
  const QPoint drift(12, -5);
  for (int id = 0; id < 5; ++id) mapper.onClickCalibrationPoint(id, millimetresOf(targets[id] + drift).x(),
                                                                millimetresOf(targets[id] + drift).y());
  const CalibrationCalculationPoint fitted = mapper.calibration();
  ASSERT_TRUE(fitted.valid);
  EXPECT_NEAR(fitted.a, 1.0, 0.01);
  EXPECT_NEAR(fitted.e, 1.0, 0.01);

  // Stored for the rotation in force, and read back alike.
  CalibrationCalculationPoint stored;
  config->getCalibrationPointInfo(0, stored);
  EXPECT_TRUE(stored.valid);
  EXPECT_NEAR(stored.c, fitted.c, 1e-3);

  // Away from the edges (where the Fjord2Pro's own correction acts) the
  // drifting pen now lands on the target.
  const QPointF centre = pixelOf(millimetresOf(targets[4] + drift));
  EXPECT_NEAR(centre.x(), targets[4].x() + 0.5, 1.5);
  EXPECT_NEAR(centre.y(), targets[4].y() + 0.5, 1.5);
}

TEST_F(MapperCalibration, DegenerateTapsKeepTheCorrectionSuspended) {
  CalibrationCalculationPoint before;
  before.a = before.e = 1;
  before.valid = true;
  config->setCalibrationPointInfo(0, before);
  mapper.setRotationAngle(0);
  ASSERT_TRUE(mapper.calibration().valid);

  mapper.calculateCalibrationPointScreenPos(screen);
  testing::internal::CaptureStdout();
  for (int id = 0; id < 5; ++id) mapper.onClickCalibrationPoint(id, 50, 50);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("ts_calibrate: determinant is too small"),
            std::string::npos);
  EXPECT_FALSE(mapper.calibration().valid);
  CalibrationCalculationPoint stored;
  config->getCalibrationPointInfo(0, stored);
  EXPECT_TRUE(stored.valid);  // the last good calibration stays on file
}

TEST_F(MapperCalibration, FactoryValuesAreStoredButOnlyAppliedOnTheFjord2Pro) {
  mapper.setRotationAngle(90);
  mapper.setDefalutCalibration();
  CalibrationCalculationPoint stored;
  config->getCalibrationPointInfo(90, stored);
  EXPECT_DOUBLE_EQ(stored.a, 0.981201);
  EXPECT_DOUBLE_EQ(stored.f, 10.1868);
  EXPECT_TRUE(stored.valid);
  EXPECT_TRUE(mapper.calibration().valid);

  ScreenMapper fjord4;
  fjord4.setDeviceType(MyQmlEnum::CFG_Fjord4);
  fjord4.setRotationAngle(90);
  fjord4.setDefalutCalibration();
  config->getCalibrationPointInfo(90, stored);
  EXPECT_DOUBLE_EQ(stored.e, 0.987335);
  EXPECT_FALSE(stored.valid);
  EXPECT_FALSE(fjord4.calibration().valid);
}

}  // namespace
