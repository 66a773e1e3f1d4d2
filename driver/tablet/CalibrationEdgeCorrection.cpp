#include "driver/tablet/CalibrationEdgeCorrection.h"

#include <algorithm>

namespace {
constexpr double kLowEdge = 0.06;
constexpr double kHighEdge = 0.94;
}  // namespace

void applyCalibrationEdgeCorrection(double& nx, double& ny, double mx, double my, const QRectF& area, int angle) {
  const double u = mx / area.width();
  const double v = my / area.height();
  double gx = 0;
  double gy = 0;
  if (angle == 0 || angle == 180) {
    gx = 0.1;
    gy = 0.25;
  } else if (angle == 90 || angle == 270) {
    gx = 0.25;
    gy = 0.06;
  }

  if (u < kLowEdge) {
    const double k = std::max(0.0, (kLowEdge - u) * gx);
    if (angle == 0)
      nx -= k;
    else if (angle == 180)
      nx += k;
    else if (angle == 90)
      ny -= k;
    else if (angle == 270)
      ny += k;
  } else if (u > kHighEdge) {
    const double k = std::max(0.0, (u - kHighEdge) * gx);
    if (angle == 0) {
      nx += k;
      if (v < kHighEdge) ny -= k;
    } else if (angle == 180) {
      nx -= k;
    } else if (angle == 90) {
      ny += k / 2;
    } else if (angle == 270) {
      ny -= k;
    }
  }

  if (v < kLowEdge) {
    const double k = std::max(0.0, (kLowEdge - v) * gy);
    if (angle == 0)
      ny -= k;
    else if (angle == 180)
      ny += k;
    else if (angle == 90)
      nx += k;
    else if (angle == 270)
      nx -= k;
  } else if (v > kHighEdge) {
    const double k = std::max(0.0, (v - kHighEdge) * gy);
    if (angle == 0) {
      ny += k;
      if (u < kHighEdge) nx -= k / 5;
    } else if (angle == 180) {
      ny -= k;
    } else if (angle == 90) {
      nx -= k;
    } else if (angle == 270) {
      nx += k;
    }
  }
}
