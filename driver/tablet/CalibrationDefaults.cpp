#include "driver/tablet/CalibrationDefaults.h"

#include "driver/core/MyQmlEnum.h"

namespace CalibrationDefaults {
namespace {

constexpr int kCornerInset = 200;

struct FactoryRow {
  int angle;
  double a, b, c, d, e, f;
};

constexpr FactoryRow kFactory[] = {
    {0, 0.987015, 0.00141907, 33.2646, 0.00190735, 0.981216, -0.871338},
    {90, 0.981201, -0.00126648, 49.583, -0.000717163, 0.987335, 10.1868},
    {180, 0.988281, -0.0042572, 34.0947, 0.00158691, 0.981934, 2.01294},
    {270, 0.9841, -4.57764e-05, 35.0273, 0.0, 0.990204, 6.00659},
};

}  // namespace

std::array<QPoint, 5> targets(const QRect& r) {
  return {QPoint(r.x() + kCornerInset, r.y() + kCornerInset),
          QPoint(r.x() + r.width() - kCornerInset, r.y() + kCornerInset),
          QPoint(r.x() + r.width() - kCornerInset, r.y() + r.height() - kCornerInset),
          QPoint(r.x() + kCornerInset, r.y() + r.height() - kCornerInset),
          QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2)};
}

void load(int angle, int deviceType, CalibrationCalculationPoint& point) {
  for (const FactoryRow& row : kFactory) {
    if (row.angle != angle) continue;
    point.a = row.a;
    point.b = row.b;
    point.c = row.c;
    point.d = row.d;
    point.e = row.e;
    point.f = row.f;
    point.valid = true;
  }
  if (deviceType >= MyQmlEnum::CFG_Fjord1) point.valid = false;
}

}  // namespace CalibrationDefaults
