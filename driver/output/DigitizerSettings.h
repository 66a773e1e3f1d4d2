#pragma once

#include "driver/output/PressureCurve.h"

// What the virtual digitizer reads from the settings store when it is created.
namespace DigitizerSettings {

// The three points of group "PressCurve".
PressureCurve pressureCurve();

// "global/CoordinateModel" is non-zero.
bool relativeMode();

}  // namespace DigitizerSettings
