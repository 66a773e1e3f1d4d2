#include "driver/output/DigitizerSettings.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"

namespace DigitizerSettings {

PressureCurve pressureCurve() {
  ConfigFile* settings = ConfigFile::instance();
  PressureCurve curve;
  curve.topPoint = settings->getPenPressedCurvePoint(MyQmlEnum::TopPoint);
  curve.midPoint = settings->getPenPressedCurvePoint(MyQmlEnum::MidPoint);
  curve.bottomPoint = settings->getPenPressedCurvePoint(MyQmlEnum::BottomPoint);
  return curve;
}

bool relativeMode() { return ConfigFile::instance()->getCoordinateModel() != 0; }

}  // namespace DigitizerSettings
