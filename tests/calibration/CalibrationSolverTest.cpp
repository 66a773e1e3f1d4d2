#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/CalibrationDefaults.h"
#include "driver/tablet/CalibrationSession.h"
#include "driver/tablet/CalibrationSolver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kFixedStep = 1.0 / 65536.0;

CalibrationSolver::Points pointsOf(const std::array<QPoint, 5>& points) {
  CalibrationSolver::Points out{};
  for (int i = 0; i < 5; ++i) out[i] = points[i];
  return out;
}

TEST(CalibrationTargets, SitTwoHundredPixelsInOnTheSecondMonitor) {
  const auto targets = CalibrationDefaults::targets(QRect(1920, 0, 1920, 1080));
  const std::array<QPoint, 5> expected = {QPoint(2120, 200), QPoint(3640, 200), QPoint(3640, 880), QPoint(2120, 880),
                                          QPoint(2880, 540)};
  EXPECT_EQ(targets, expected);
  // An odd size truncates the centre.
  EXPECT_EQ(CalibrationDefaults::targets(QRect(0, 0, 1365, 767))[4], QPoint(682, 383));
}

TEST(CalibrationSolver, TapsOnTheTargetsGiveTheIdentity) {
  const auto targets = pointsOf(CalibrationDefaults::targets(QRect(1920, 0, 1920, 1080)));
  CalibrationCalculationPoint k;
  ASSERT_TRUE(CalibrationSolver::solve(targets, targets, k));
  EXPECT_TRUE(k.valid);
  // The gains lose at most the one 16.16 step of truncation; the offsets,
  // which sum over pixel values near 4000, stay within a hundredth of a pixel.
  EXPECT_NEAR(k.a, 1.0, kFixedStep);
  EXPECT_NEAR(k.e, 1.0, kFixedStep);
  EXPECT_NEAR(k.b, 0.0, kFixedStep);
  EXPECT_NEAR(k.d, 0.0, kFixedStep);
  EXPECT_NEAR(k.c, 0.0, 0.01);
  EXPECT_NEAR(k.f, 0.0, 0.01);
}

TEST(CalibrationSolver, RecoversAnOffsetAndScaleOfThePen) {
  // The pen lands 12 pixels right and 7 pixels above each target, and the
  // sensor's scale is 2 % short horizontally.
  const auto targets = pointsOf(CalibrationDefaults::targets(QRect(0, 0, 1920, 1080)));
  CalibrationSolver::Points pen{};
  for (int i = 0; i < 5; ++i) pen[i] = QPoint(int(targets[i].x() * 0.98) + 12, targets[i].y() - 7);
  CalibrationCalculationPoint k;
  ASSERT_TRUE(CalibrationSolver::solve(pen, targets, k));
  for (int i = 0; i < 5; ++i) {
    const double x = k.a * pen[i].x() + k.b * pen[i].y() + k.c;
    const double y = k.d * pen[i].x() + k.e * pen[i].y() + k.f;
    EXPECT_NEAR(x, targets[i].x(), 1.0) << i;
    EXPECT_NEAR(y, targets[i].y(), 1.0) << i;
  }
}

TEST(CalibrationSolver, DegenerateTapsFailWithTheDeterminantAndKeepTheResult) {
  CalibrationSolver::Points same{};
  same.fill(QPoint(500, 300));
  const auto targets = pointsOf(CalibrationDefaults::targets(QRect(0, 0, 1920, 1080)));
  CalibrationCalculationPoint k;
  k.a = 42;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(CalibrationSolver::solve(same, targets, k));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ts_calibrate: determinant is too small -- 0.000000\n");
  EXPECT_EQ(k.a, 42);
  EXPECT_FALSE(k.valid);

  // Taps along one line span no plane either.
  CalibrationSolver::Points line{};
  for (int i = 0; i < 5; ++i) line[i] = QPoint(100 * i, 50 * i);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(CalibrationSolver::solve(line, targets, k));
  EXPECT_NE(testing::internal::GetCapturedStdout().find("determinant is too small"), std::string::npos);
}

TEST(CalibrationSolver, HugeDesktopsDoNotWrapProducts) {
  // 60000² does not fit 32 bits; the fit must still be the identity.
  CalibrationSolver::Points pts = {QPoint(50000, 200), QPoint(60000, 200), QPoint(60000, 1000), QPoint(50000, 1000),
                                   QPoint(55000, 600)};
  CalibrationCalculationPoint k;
  ASSERT_TRUE(CalibrationSolver::solve(pts, pts, k));
  EXPECT_NEAR(k.a, 1.0, 0.01);
  EXPECT_NEAR(k.e, 1.0, 0.01);
}

TEST(CalibrationDefaults, FactoryValuesApplyOnlyToTheFjord2Pro) {
  CalibrationCalculationPoint fjord4;
  CalibrationDefaults::load(90, MyQmlEnum::CFG_Fjord4, fjord4);
  EXPECT_DOUBLE_EQ(fjord4.a, 0.981201);
  EXPECT_DOUBLE_EQ(fjord4.c, 49.583);
  EXPECT_DOUBLE_EQ(fjord4.f, 10.1868);
  EXPECT_FALSE(fjord4.valid);

  CalibrationCalculationPoint fjord2;
  CalibrationDefaults::load(90, MyQmlEnum::CFG_Fjord2Pro, fjord2);
  EXPECT_DOUBLE_EQ(fjord2.b, -0.00126648);
  EXPECT_DOUBLE_EQ(fjord2.e, 0.987335);
  EXPECT_TRUE(fjord2.valid);

  CalibrationDefaults::load(270, MyQmlEnum::CFG_Fjord2Pro, fjord2);
  EXPECT_DOUBLE_EQ(fjord2.b, -4.57764e-05);
  EXPECT_DOUBLE_EQ(fjord2.d, 0.0);
}

TEST(CalibrationDefaults, AnUnknownAngleKeepsTheCoefficients) {
  CalibrationCalculationPoint k;
  k.a = 2;
  k.valid = true;
  CalibrationDefaults::load(45, MyQmlEnum::CFG_Fjord2Pro, k);
  EXPECT_EQ(k.a, 2);
  EXPECT_TRUE(k.valid);
  // ... but a later pen display never applies them.
  CalibrationDefaults::load(45, MyQmlEnum::CFG_Fjord5pro, k);
  EXPECT_EQ(k.a, 2);
  EXPECT_FALSE(k.valid);
}

TEST(CalibrationSession, SamplesAreKeptByIdAndMissingOnesCountAsOrigin) {
  CalibrationSession session;
  EXPECT_FALSE(session.record(0, 10, 20));
  EXPECT_FALSE(session.record(0, 11, 21));
  EXPECT_EQ(session.sample(0), QPointF(11, 21));
  EXPECT_EQ(session.sample(3), QPointF(0, 0));
  EXPECT_TRUE(session.record(4, 1, 2));
}

TEST(CalibrationSession, FitsTheMappedSamplesAgainstTheTargets) {
  // The "mapping" here divides millimetres by 100: a pen at (21.2, 2.0) mm
  // is drawn at (0.212, 0.02) of a 10000 × 10000 desktop = pixel (2120, 200).
  CalibrationSession session;
  const QRect screen(0, 0, 10000, 10000);
  session.setTargets(QRect(1920, 0, 1920, 1080));
  const auto targets = session.targets();
  for (int i = 0; i < 5; ++i) session.record(i, targets[i].x() / 100.0, targets[i].y() / 100.0);
  CalibrationCalculationPoint k;
  ASSERT_TRUE(session.fit([](double& x, double& y) { x /= 100.0; y /= 100.0; }, screen, k));
  EXPECT_NEAR(k.a, 1.0, 0.001);
  EXPECT_NEAR(k.e, 1.0, 0.001);
  EXPECT_NEAR(k.c, 0.0, 1.0);

  // A mapping that gives no number does not reach the integer conversion.
  testing::internal::CaptureStdout();
  EXPECT_FALSE(session.fit([](double& x, double& y) { x = y = std::nan(""); }, screen, k));
  testing::internal::GetCapturedStdout();
}

}  // namespace
