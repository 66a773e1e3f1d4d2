#include "driver/tablet/CalibrationSolver.h"

#include <QLoggingCategory>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

Q_LOGGING_CATEGORY(lcCalibrationSolver, "varnex.calibration")

namespace CalibrationSolver {
namespace {

constexpr float kFixedOne = 65536.0f;

// Each product is formed exactly in integers before it joins a float sum.
// 64 bits, so that a very large desktop cannot wrap a product around.
float product(int a, int b) { return float(int64_t(a) * int64_t(b)); }

struct Sums {
  float one = 0, x = 0, y = 0;
};

Sums weightedSums(const Points& pen, const std::array<int32_t, kPointCount>& values) {
  Sums s;
  for (int j = 0; j < kPointCount; ++j) {
    s.one += float(values[j]);
    s.x += product(values[j], pen[j].x());
    s.y += product(values[j], pen[j].y());
  }
  return s;
}

// float -> int32 by truncation; false when the value has no int32 form.
bool truncateFixed(float value, int32_t& out) {
  if (!std::isfinite(value)) return false;
  if (value >= 2147483648.0f || value < -2147483648.0f) return false;
  out = int32_t(value);
  return true;
}

}  // namespace

bool solve(const Points& pen, const Points& target, CalibrationCalculationPoint& result) {
  const float n = float(kPointCount);
  float sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  for (const QPoint& p : pen) {
    sx += float(p.x());
    sy += float(p.y());
    sxx += product(p.x(), p.x());
    syy += product(p.y(), p.y());
    sxy += product(p.x(), p.y());
  }

  const float det = n * (sxx * syy - sxy * sxy) + sx * (sxy * sy - sx * syy) + sy * (sx * sxy - sy * sxx);
  if (det > -0.1f && det < 0.1f) {
    std::printf("ts_calibrate: determinant is too small -- %f\n", double(det));
    std::fflush(stdout);
    return false;
  }

  // The inverse of the symmetric normal matrix, row by row.
  const float p = (sxx * syy - sxy * sxy) / det;
  const float q = (sxy * sy - sx * syy) / det;
  const float r = (sx * sxy - sy * sxx) / det;
  const float s = (n * syy - sy * sy) / det;
  const float t = (sx * sy - n * sxy) / det;
  const float u = (n * sxx - sx * sx) / det;

  std::array<int32_t, kPointCount> xs{}, ys{};
  for (int j = 0; j < kPointCount; ++j) {
    xs[j] = target[j].x();
    ys[j] = target[j].y();
  }

  int32_t fixed[6] = {};
  const Sums zs[2] = {weightedSums(pen, xs), weightedSums(pen, ys)};
  for (int axis = 0; axis < 2; ++axis) {
    const Sums& z = zs[axis];
    const float offset = (p * z.one + q * z.x + r * z.y) * kFixedOne;
    const float gainX = (q * z.one + s * z.x + t * z.y) * kFixedOne;
    const float gainY = (r * z.one + t * z.x + u * z.y) * kFixedOne;
    if (!truncateFixed(offset, fixed[axis * 3]) || !truncateFixed(gainX, fixed[axis * 3 + 1]) ||
        !truncateFixed(gainY, fixed[axis * 3 + 2])) {
      qCWarning(lcCalibrationSolver) << "calibration fit out of range, det" << det;
      return false;
    }
  }

  const double scale = 65536.0;
  result.a = fixed[1] / scale;
  result.b = fixed[2] / scale;
  result.c = fixed[0] / scale;
  result.d = fixed[4] / scale;
  result.e = fixed[5] / scale;
  result.f = fixed[3] / scale;
  result.valid = true;
  return true;
}

}  // namespace CalibrationSolver
