#include "driver/output/PressureCurve.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PressureCurve, DefaultPointsPassEveryPressureThrough) {
  const PressureCurve identity;
  for (int i = 0; i <= 1000; ++i) {
    const float p = float(i) / 1000.0f;
    EXPECT_FLOAT_EQ(identity.evaluate(p), p) << p;
  }
}

TEST(PressureCurve, AMidPointBelowTheDiagonalSoftensThePen) {
  PressureCurve soft;
  soft.bottomPoint = QPointF(0, 0);
  soft.midPoint = QPointF(1, 0);
  soft.topPoint = QPointF(1, 1);
  const float half = soft.evaluate(0.5f);
  EXPECT_LT(half, 0.5f);
  // x(t) = 2t - t², so p = 0.5 is reached at t = 1 - √0.5, where y = t².
  const double t = 1 - std::sqrt(0.5);
  EXPECT_NEAR(half, t * t, 1e-6);
  EXPECT_FLOAT_EQ(soft.evaluate(0.0f), 0.0f);
  EXPECT_FLOAT_EQ(soft.evaluate(1.0f), 1.0f);
  // Monotonic: a harder press never gives less.
  float previous = -1;
  for (int i = 0; i <= 100; ++i) {
    const float out = soft.evaluate(float(i) / 100.0f);
    EXPECT_GE(out, previous);
    previous = out;
  }
}

TEST(PressureCurve, TwoEquallyGoodRootsTakeTheSecond) {
  // x(t) = 2t(1 - t) is symmetric: 0.375 is reached at t = 0.25 and 0.75,
  // and y(t) = t tells which one was taken.
  EXPECT_FLOAT_EQ(PressureCurve::evaluate(0.375f, 0, 0, 1, 0.5, 0, 1), 0.75f);
}

TEST(PressureCurve, DegenerateCurvesGiveNoNumberOrLeaveTheSquare) {
  // All three x equal: no t can be found.
  EXPECT_TRUE(std::isnan(PressureCurve::evaluate(0.5f, 0.5, 0, 0.5, 0.5, 0.5, 1)));
  // A bottom point right of the input sends the root below 0, and the
  // output with it.
  const float below = PressureCurve::evaluate(0.1f, 0.3, 0.2, 0.65, 0.6, 1, 1);
  EXPECT_LT(below, 0.0f);
}
