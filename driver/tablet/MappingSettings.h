#pragma once

#include "driver/core/CalibrationCalculationPoint.h"

#include <QRect>

// What the screen mapper reads from the settings store, in one place.
namespace MappingSettings {

// The settings window's rectangles by RectType: the chosen screen and tablet
// rectangles and the pictures they are drawn in.
QRect rect(int rectType);

// "Area/RotationAngle".
int rotationAngle();

// The calibration stored for a rotation angle; valid is false when none is.
CalibrationCalculationPoint calibration(int angle);

}  // namespace MappingSettings
