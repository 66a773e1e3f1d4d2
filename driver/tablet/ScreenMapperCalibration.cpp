// The screen mapper's part in pen-display calibration: targets, samples, the
// fit and the factory values. Runs on the window thread while the device
// thread keeps mapping; the coefficients change as one set under the lock.

#include "driver/core/ConfigFile.h"
#include "driver/tablet/CalibrationDefaults.h"
#include "driver/tablet/ScreenMapper.h"

#include <mutex>

void ScreenMapper::calculateCalibrationPointScreenPos(QRect& screenRect) {
  m_calibrationSession.setTargets(screenRect);
  std::lock_guard<std::mutex> locker(m_lock);
  m_geometry.calibration.valid = false;
}

void ScreenMapper::mapUncorrected(double& x, double& y) {
  Geometry g;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_lastInput = QPointF(x, y);
    g = m_geometry;
  }
  g.calibration.valid = false;
  mapWith(g, x, y);
}

void ScreenMapper::onClickCalibrationPoint(int id, double mx, double my) {
  if (!m_calibrationSession.record(id, mx, my)) return;
  CalibrationCalculationPoint fitted = calibration();
  const bool solved = m_calibrationSession.fit([this](double& x, double& y) { mapUncorrected(x, y); },
                                               calibrationScreen(), fitted);
  if (solved) storeCalibration(fitted);
}

void ScreenMapper::setDefalutCalibration() {
  CalibrationCalculationPoint defaults = calibration();
  CalibrationDefaults::load(rotationAngle(), deviceType(), defaults);
  storeCalibration(defaults);
}

void ScreenMapper::storeCalibration(const CalibrationCalculationPoint& calibration) {
  int angle;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_geometry.calibration = calibration;
    angle = m_geometry.rotation;
  }
  ConfigFile::instance()->setCalibrationPointInfo(angle, calibration);
}
