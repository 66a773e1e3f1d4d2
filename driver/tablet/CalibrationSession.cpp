#include "driver/tablet/CalibrationSession.h"

#include "driver/tablet/CalibrationDefaults.h"
#include "driver/tablet/CalibrationSolver.h"

#include <cmath>
#include <limits>

namespace {

// Truncated toward zero, as a pen pixel is where the cursor was drawn. A
// position that is not a number (a mapping over an empty area) counts as the
// screen's origin rather than reaching the integer conversion.
int pixel(double value) {
  if (!std::isfinite(value)) return 0;
  constexpr double kMax = std::numeric_limits<int>::max();
  if (value >= kMax) return std::numeric_limits<int>::max();
  if (value <= -kMax) return -std::numeric_limits<int>::max();
  return int(value);
}

}  // namespace

void CalibrationSession::setTargets(const QRect& screenRect) {
  QMutexLocker locker(&m_lock);
  m_targets = CalibrationDefaults::targets(screenRect);
}

std::array<QPoint, 5> CalibrationSession::targets() const {
  QMutexLocker locker(&m_lock);
  return m_targets;
}

bool CalibrationSession::record(int id, double mx, double my) {
  QMutexLocker locker(&m_lock);
  m_samples[id] = QPointF(mx, my);
  return id == kLastPoint;
}

QPointF CalibrationSession::sample(int id) const {
  QMutexLocker locker(&m_lock);
  const auto it = m_samples.find(id);
  return it == m_samples.end() ? QPointF() : it->second;
}

bool CalibrationSession::fit(const UncorrectedMap& map, const QRect& screen,
                             CalibrationCalculationPoint& result) const {
  CalibrationSolver::Points pen{};
  for (int j = 0; j <= kLastPoint; ++j) {
    const QPointF mm = sample(j);
    double nx = mm.x();
    double ny = mm.y();
    map(nx, ny);
    pen[j] = QPoint(pixel(screen.x() + screen.width() * nx), pixel(screen.y() + screen.height() * ny));
  }
  return CalibrationSolver::solve(pen, targets(), result);
}
