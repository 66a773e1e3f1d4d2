#pragma once

// The pen-display calibration: an affine correction from pen pixels to screen
// pixels, x' = a·x + b·y + c and y' = d·x + e·y + f. Stored per screen
// rotation by the settings store and applied by the screen mapper while valid.
struct CalibrationCalculationPoint {
  double a = 0;
  double b = 0;
  double c = 0;
  double d = 0;
  double e = 0;
  double f = 0;
  bool valid = false;
};
