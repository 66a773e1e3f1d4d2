#pragma once

#include <QPointF>

// The user's pressure curve: a quadratic Bézier curve from the bottom point
// to the top point with the mid point as its control point. x is the pen's
// pressure, y the pressure sent on.
struct PressureCurve {
  QPointF topPoint{1.0, 1.0};
  QPointF midPoint{0.5, 0.5};
  QPointF bottomPoint{0.0, 0.0};

  float evaluate(float pressure) const {
    return evaluate(pressure, bottomPoint.x(), bottomPoint.y(), midPoint.x(), midPoint.y(), topPoint.x(), topPoint.y());
  }

  // Finds t with Bx(t) = p and returns By(t), in single precision. Points with
  // one x everywhere give no number (NaN); points whose x-curve leaves [0, 1]
  // may give a result outside [0, 1]. The caller decides what to send then.
  static float evaluate(float p, double x0, double y0, double x1, double y1, double x2, double y2);
};
