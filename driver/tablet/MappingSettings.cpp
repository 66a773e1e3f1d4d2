#include "driver/tablet/MappingSettings.h"

#include "driver/core/ConfigFile.h"

namespace MappingSettings {

QRect rect(int rectType) { return ConfigFile::instance()->getRectSize(rectType); }

int rotationAngle() { return ConfigFile::instance()->getRotationAngle(); }

CalibrationCalculationPoint calibration(int angle) {
  CalibrationCalculationPoint point;
  ConfigFile::instance()->getCalibrationPointInfo(angle, point);
  return point;
}

}  // namespace MappingSettings
