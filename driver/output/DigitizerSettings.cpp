#include "driver/output/DigitizerSettings.h"

namespace DigitizerSettings {

PressureCurve pressureCurve() { return PressureCurve(); }

bool relativeMode() { return false; }

}  // namespace DigitizerSettings
