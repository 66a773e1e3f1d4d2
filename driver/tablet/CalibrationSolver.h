#pragma once

#include "driver/core/CalibrationCalculationPoint.h"

#include <QPoint>
#include <array>

// Least-squares fit of the affine correction from five pen pixels to the five
// target pixels they were meant to hit:
//   X = A0 + A1·x + A2·y,   Y = A3 + A4·x + A5·y.
// The sums and the solution are formed in single precision and the results
// are kept as 16.16 fixed point, as the tap data only ever reaches a few
// pixels of accuracy anyway. Stored coefficients were produced this way, so
// the arithmetic must not change.
namespace CalibrationSolver {

constexpr int kPointCount = 5;
using Points = std::array<QPoint, kPointCount>;

// On success fills a..f of `result`, sets valid and returns true. On a
// degenerate set (the taps do not span a plane: |det| < 0.1) prints
// "ts_calibrate: determinant is too small -- <det>" to standard output and
// returns false; `result` is then untouched. A set whose solution does not
// fit the fixed-point range fails the same way, without the message.
bool solve(const Points& penPixels, const Points& targetPixels, CalibrationCalculationPoint& result);

}  // namespace CalibrationSolver
