#pragma once

#include "driver/core/CalibrationCalculationPoint.h"

#include <QRect>
#include <array>

// The fixed parts of pen-display calibration: where the five targets sit on
// the display, and the factory correction measured on the Fjord2Pro.
namespace CalibrationDefaults {

// The target centres in desktop pixels for the display's rectangle, in tap
// order: top-left, top-right, bottom-right, bottom-left, centre. The corners
// sit 200 pixels in from the edges.
std::array<QPoint, 5> targets(const QRect& screenRect);

// Loads the factory coefficients of a rotation angle (0, 90, 180, 270) into
// `point` and marks them valid; any other angle leaves `point` as it is. The
// factory values were measured on the Fjord2Pro only, so for the later pen
// displays (21000 and above) the result is kept but not applied.
void load(int angle, int deviceType, CalibrationCalculationPoint& point);

}  // namespace CalibrationDefaults
