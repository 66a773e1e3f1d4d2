#include "driver/output/PressureCurve.h"

#include <cmath>

namespace {

// (1 − t)² · c0 + 2 (1 − t) t · c1 + t² · c2: the weights in single precision,
// the products with the coordinates in double, the sum rounded to single.
float bezier(float t, double c0, double c1, double c2) {
  const float s = 1.0f - t;
  return float(double(s * s) * c0 + double(2.0f * s * t) * c1 + double(t * t) * c2);
}

bool outsideUnit(float t) { return t < 0.0f || t > 1.0f; }

}  // namespace

float PressureCurve::evaluate(float p, double x0, double y0, double x1, double y1, double x2, double y2) {
  const float a = float(x0 - 2.0 * x1 + x2);
  const float b = float(2.0 * (x1 - x0));
  const float c = float(x0 - double(p));

  float t;
  if (a == 0.0f && b != 0.0f) {
    t = -c / b;
  } else {
    const float s = float(std::sqrt(double(b * b - 4.0f * a * c)));
    const float t1 = (s - b) / (2.0f * a);
    const float t2 = (-b - s) / (2.0f * a);
    if (outsideUnit(t1)) {
      t = t2;
    } else if (outsideUnit(t2)) {
      t = t1;
    } else {
      // Both roots on the curve: take the one whose x lands nearer the input;
      // a tie takes the second.
      const float miss1 = std::fabs(p - bezier(t1, x0, x1, x2));
      const float miss2 = std::fabs(p - bezier(t2, x0, x1, x2));
      t = miss2 > miss1 ? t1 : t2;
    }
  }
  return bezier(t, y0, y1, y2);
}
