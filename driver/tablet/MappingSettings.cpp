#include "driver/tablet/MappingSettings.h"

#include "driver/core/MyQmlEnum.h"

namespace MappingSettings {

QRect rect(int rectType) {
  switch (rectType) {
    case MyQmlEnum::DynamicRectScreen:
    case MyQmlEnum::MaxVirtualScreen:
      return QRect(0, 0, 300, 168);
    case MyQmlEnum::DynamicRectTablet:
    case MyQmlEnum::MaxVirtualTablet:
      return QRect(1, 1, 1, 1);
    default:
      return QRect();
  }
}

int rotationAngle() { return 0; }

CalibrationCalculationPoint calibration(int) { return CalibrationCalculationPoint(); }

}  // namespace MappingSettings
